#include "engine/base/chaine_courte.h"
#include "engine/figure/creation.h"
#include "engine/figure/creation_commune.h"
#include "engine/figure/creation_textes.h"

namespace {

Tobjet* operation(Tfigure& figure, ToperationPosee genre, const std::string& operande1,
                  const std::string& operande2, int decimales, double colonne, double ligne)
{
    Tobjet* o = ajouterObjet(figure, nomAutomatique(figure, "opération"), genreOperation);
    if (!o) return nullptr;
    o->donneesDe<Toperation>() = {genre,     courte(operande1),
                                  courte(operande2), decimales,
                                  colonneEnPixels(figure, colonne), ligneEnPixels(ligne),
                                  false};
    return o;
}

} // namespace

Tobjet* creerDivisionPosee(Tfigure& figure, const std::string& dividende,
                           const std::string& diviseur, int decimales, double colonne,
                           double ligne)
{
    return operation(figure, operationDivision, dividende, diviseur, decimales, colonne, ligne);
}

Tobjet* creerDivisionPoseeDetaillee(Tfigure& figure, const std::string& dividende,
                                    const std::string& diviseur, int decimales, double colonne,
                                    double ligne)
{
    Tobjet* o = creerDivisionPosee(figure, dividende, diviseur, decimales, colonne, ligne);
    if (o) o->donneesDe<Toperation>().detaillee = true;
    return o;
}

Tobjet* creerAdditionPosee(Tfigure& figure, const std::string& texte, double colonne,
                           double ligne)
{
    return operation(figure, operationAddition, texte, "", 0, colonne, ligne);
}

Tobjet* creerSoustractionPosee(Tfigure& figure, const std::string& texte, double colonne,
                               double ligne)
{
    return operation(figure, operationSoustraction, texte, "", 0, colonne, ligne);
}

Tobjet* creerMultiplicationPosee(Tfigure& figure, const std::string& facteur1,
                                 const std::string& facteur2, double colonne, double ligne)
{
    return operation(figure, operationMultiplication, facteur1, facteur2, 0, colonne, ligne);
}
