// How a lesson source is laid out: where the phrases of link frames land, and the mistakes that
// stop the build with their line rather than give a page with hidden or covered words.

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <variant>

#include "cours/page_lecon.h"
#include "cours/rendu_lecon.h"
#include "engine/text/texte_balise.h"
#include "navigation/arbres.h"
#include "platform/qt/canevas_qt.h"

namespace {

class Composition : public testing::Test {
protected:
    TpageLecon composer(const std::string& source)
    {
        return composerLecon(lireSourceLecon(source), pageDuCours, mesure);
    }

    // "line: message" of the error the source gives; empty when it gives none.
    std::string erreur(const std::string& source)
    {
        try {
            TpageLecon page = composer(source);
            peindreLecon(page);
        } catch (const ErreurLecon& e) {
            return std::to_string(e.ligne()) + ": " + e.what();
        }
        return {};
    }

    // A text's width as the layout measures it.
    int largeur(const std::string& texte)
    {
        double x = 0;
        dessinerTexte(mesure, texte, x, 0, 0, styleNormal, tailleTexteLecon);
        return static_cast<int>(x);
    }

    TpageDuCours pageDuCours{1002, "Titre", 0, 0};
    QImage brouillon{1, 1, QImage::Format_RGB32};
    QPainter peintre{&brouillon};
    CanevasQt mesure{peintre};
};

// The text object whose markup is exactly this; null for none.
const Ttexte* texte(const TpageLecon& page, const std::string& markup)
{
    const Tfigure& f = *page.surface;
    for (int i = 1; i <= f.nbObjets; ++i)
        if (const Ttexte* t = std::get_if<Ttexte>(&f.objets[i]->donnees); t && t->texte == markup) return t;
    return nullptr;
}

}  // namespace

TEST_F(Composition, unePhraseDeLienSePoseSurSonCadreEtLaSuiteLaSuit)
{
    // The frame's line at y = 100 of the paint box: its zone, and the phrase, from 82 down.
    const TpageLecon page = composer("titre\nlien 300 100 75 : {numérateur} de la fraction\nEnsuite\n");
    const Ttexte* phrase = texte(page, "$knumérateur");
    ASSERT_TRUE(phrase);
    EXPECT_GE(phrase->x, 300 - gaucheImageCours);
    EXPECT_EQ(phrase->y, 100 - 18 - hautImageCours);
    const Ttexte* suite = texte(page, " de la fraction");
    ASSERT_TRUE(suite);
    EXPECT_EQ(suite->x, phrase->x + largeur("$knumérateur"));
    EXPECT_EQ(suite->y, phrase->y);
    // The next line, as after any other.
    ASSERT_TRUE(texte(page, "Ensuite"));
    EXPECT_EQ(texte(page, "Ensuite")->y, phrase->y + 20);
}

// The window's line under a frame runs its whole width, a pixel past each end: the comma after a
// phrase narrower than its frame follows it directly, the phrase moved right so that the next word
// begins past the line.
TEST_F(Composition, laPonctuationSuitLaPhraseEtLeMotSuivantCommenceApresLaLigneDeSonCadre)
{
    const int cadre = largeur("$knumérateur") + 10;
    const TpageLecon page =
        composer("titre\nlien 300 100 " + std::to_string(cadre) + " : {numérateur}, de la fraction\n");
    const Ttexte* phrase = texte(page, "$knumérateur");
    const Ttexte* suite = texte(page, ", de la fraction");
    ASSERT_TRUE(phrase && suite);
    EXPECT_EQ(suite->x, phrase->x + largeur("$knumérateur"));
    const double finLigne = 300 + cadre - gaucheImageCours;
    EXPECT_EQ(suite->x + largeur(", "), finLigne + 2);
}

TEST_F(Composition, unePhraseQuiNeTientPasSurSonCadreArreteLaConstruction)
{
    const struct {
        const char* source;
        const char* message;
    } cas[] = {
        {"titre\nlien 300 100 40 : {numérateur}\n", "2: la phrase \"numérateur\" mesure"},
        {"titre\nlien 100 100 75 : Un texte bien trop long avant {numérateur}\n", "2: le texte avant \"numérateur\" est trop long"},
        {"titre\nlien 400 100 75 : Un {numérateur}\n", "2: le texte avant \"numérateur\" est trop court"},
        {"titre\nlien 300 100 75 ; 500 100 75 : {numérateur}\n", "2: autant de {phrases} que de cadres"},
    };
    for (const auto& c : cas) EXPECT_EQ(erreur(c.source).rfind(c.message, 0), 0u) << erreur(c.source);
    // The phrase stands one blank after the text before it, within a pixel, and the frame's line
    // under no letter of the words around: a frame 3 pixels further, one 2 pixels nearer, or a
    // word glued to the phrase is refused.
    const int debut = gaucheImageCours + 14 + largeur("Avec ");
    const auto lien = [&](int x, const char* apres) {
        return "titre\nlien " + std::to_string(x) + " 100 " + std::to_string(largeur("$kl'équerre")) +
               " : Avec {l'équerre}" + apres + "\n";
    };
    EXPECT_EQ(erreur(lien(debut, " pour")), "");
    EXPECT_EQ(erreur(lien(debut + 3, " pour")), "2: le texte avant \"l'équerre\" est trop court de 2 pixels");
    EXPECT_EQ(erreur(lien(debut - 2, " pour")), "2: le texte avant \"l'équerre\" est trop long de 1 pixels");
    EXPECT_EQ(erreur(lien(debut, "s")),
              "2: le texte après \"l'équerre\" passerait sous la ligne de son cadre : il manque 2 pixels");
}

TEST_F(Composition, cacherOuSortirDuCadreArreteLaConstructionALaBonneLigne)
{
    // Nine rows of eighty empty cells: more objects than a page holds.
    std::string rangeesVides;
    for (int k = 0; k < 9; ++k) rangeesVides += std::string(81, '|') + "\n";
    const std::string figure = "titre\nfigure 100 300 150\npoint A 1 1\npoint B 4 1\n";
    const std::string posee =
        "2: cette multiplication ne se pose pas : la multiplication posée écrit ses facteurs sans virgule ni zéro "
        "final, ici ";
    // Thirty steps up in size; twenty thousand boxes one in another.
    std::string grand, boites, fins;
    for (int k = 0; k < 30; ++k) grand += "$>";
    for (int k = 0; k < 20000; ++k) {
        boites += "boîte\n";
        fins += "fin\n";
    }
    const struct {
        std::string source;
        std::string message;
    } cas[] = {
        {"titre\naller 100\nUne ligne\naller 108\nUne autre ligne\n", "5: \"Une autre ligne\" chevauche \"Une ligne\""},
        {"titre\nencadré 150\n  Une ligne bien trop longue pour ce petit cadre\nfin\n", "3: le texte dépasse à droite"},
        {"titre\npropriété\n  Une ligne\n", "2: \"propriété\" sans \"fin\""},
        {"titre\nfigure 100 100 100\ncarré A B\nfin\n", "3: \"carré\" n'est pas un objet de figure"},
        {"titre\nfigure 100 100 100\nsegment A\nfin\n", "3: \"segment\" n'a pas ses arguments"},
        {"titre Un titre à soi\n", "1: le titre est celui de l'arbre des pages"},
        {"Une ligne sans titre\n", "1: la leçon n'a pas de titre"},
        {"titre\nfin\n", "2: \"fin\" de trop"},
        {"titre\nsaut deux\n", "2: nombre attendu au lieu de \"deux\""},
        // A label that would be cut at the edge of its figure.
        {"titre\nfigure 100 100 100\npoint A 3.2 1 droite\nfin\n", "3: la figure 1 déborde de sa boîte"},
        // A point far out of its box, where the painter does not look.
        {"titre\nfigure 100 300 150\npoint Z 13 4\nfin\n", "3: \"Z\" est hors de sa figure, en (390, 30)"},
        {"titre\nfigure 100 300 150\npoint A 1 1\nsegment X A\nfin\n", "4: la figure n'a pas d'objet \"X\""},
        {"titre\nfigure 100 300 150\npoint A 1 1\nmilieu I A Y\nfin\n", "4: la figure n'a pas d'objet \"Y\""},
        {"titre\nfigure 100 300 150\npoint A 1 1\npoint B 4 1\npoint C 1 3\npoint D 4 3\ndroite A B\n"
         "droite C D\nintersection I (AB) (CD)\nfin\n",
         "9: \"intersection\" ne donne rien"},
        {"titre\nfigure 100 300 150\npoint A 1 1\npoint B 4 1\ngraduation A B 100\ngraduation A B 100\nfin\n",
         "6: la figure a trop d'objets"},
        // A figure line under the back button, at (680, 25) of the paint box, beside the title.
        {"aller 20\nfigure 600 150 20\npoint A 0.3 0.5 sans-nom\npoint B 4.7 0.5 invisible\nsegment A B\nfin\ntitre\n",
         "5: un bouton de la fenêtre cacherait le dessin en (679, 19)-(771, 46)"},
        // A declared link button over a text.
        {"titre\naller 300\nUne ligne\nbouton 90 300 100\n", "3: un bouton de la fenêtre cacherait le dessin en (90, 300)-(190, 323)"},
        // Posed operations the engine would not draw, or that run off the page.
        {"titre\nopération division 100 12 0\n", "2: cette division ne se pose pas"},
        {"titre\nopération addition 100 abc+def\n", "2: cette addition ne se pose pas"},
        {"titre\nopération soustraction 100 3-12\n", "2: cette soustraction ne se pose pas"},
        {"titre\nopération addition 100 " + std::string(40, '7') + "+1\n", "2: cette addition ne se pose pas"},
        {"titre\nopération multiplication 100 7 8\n", "2: cette multiplication ne se pose pas"},
        {"titre\nopération addition 700 123456789+1\n", "2: l'opération dépasse à droite de"},
        {"titre\ntableau 500 100 100\n| | |\nfin\n", "2: le tableau dépasse à droite de 50 pixels"},
        {"titre\ntableau 90 7\n" + rangeesVides + "fin\n", "2: la page a trop d'objets"},
        // Out of the picture, of its block, above the title's rule.
        {"titre\nmarge 0\n", "2: la marge dépasse à gauche de 72 pixels"},
        {"titre\nencadré 300\nmarge 50\nfin\n", "3: la marge dépasse à gauche de 37 pixels"},
        {"titre\naller 0\n", "2: aller 0 monte au-dessus de la page, qui commence en 47"},
        {"titre\naller 34\n", "2: aller 34 monte au-dessus de la page, qui commence en 47"},
        {"titre\nlien 300 0 75 : {numérateur}\n", "2: le cadre de lien en 0 monte au-dessus de la page, qui commence en 17"},
        {"titre\nencadré\naller 30\nfin\n", "3: aller 30 monte au-dessus de son bloc"},
        {"titre\nboîte 700\nfin\n", "2: \"boîte\" dépasse à droite de 25 pixels"},
        {"titre\nfigure 600 250 100\nfin\n", "2: la figure dépasse à droite de 89 pixels"},
        {"titre\npropriété\nfigure 100 100 100\nfin\nfin\n", "3: \"figure\" sort de \"propriété\" de"},
        {"titre\ntableau 0 100\n| a |\nfin\n", "2: le tableau dépasse à gauche de 72 pixels"},
        // A posed operation takes its room: nothing is drawn over it.
        {"titre\nopération addition 0 12+34\n", "2: l'opération dépasse à gauche de"},
        {"titre\nopération addition 100 12+34\naller 80\nUne ligne sur l'opération\n",
         "4: \"Une ligne sur l'opération\" chevauche \"opération\""},
        {"titre\nopération addition 100 12+34\naller 57\nopération addition 100 5+6\n",
         "4: \"opération\" chevauche \"opération\""},
        // Larger letters take their height.
        {"titre\n" + grand + "Grand\nPetit\n", "3: \"Petit\" chevauche"},
        {"titre\n" + boites + fins, "6: trop de blocs les uns dans les autres : 4 au plus"},
        // A protractor's numbers that would run together, within a row or from one row to the other.
        {figure + "rapporteur A B 1.5\nfin\n",
         "5: à l'échelle 30, les nombres du rapporteur de rayon 1.5 se touchent : il faut un rayon d'au moins 2"},
        {"titre\nfigure 100 300 150 20\npoint O 7 1\npoint X 9 1\nrapporteur O X 5\nfin\n",
         "5: à l'échelle 20, les deux rangs de nombres du rapporteur se touchent : il faut une échelle d'au moins "
         "21.2"},
        // What a figure would cut.
        {figure + "étiquette 2 2 " + std::string(121, 'a') + "\nfin\n",
         "5: l'étiquette a 121 caractères : une figure en garde 120 au plus"},
        {figure + "point Hypotenuse_du_triangle 2 2\nfin\n",
         "5: le nom \"Hypotenuse_du_triangle\" a 22 lettres : une figure en garde 20 au plus"},
        {figure + "point Sommet_tout_a_gauche 2 2\nsegment Sommet_tout_a_gauche B\nfin\n",
         "6: le nom de la ligne de \"Sommet_tout_a_gauche\" à \"B\" aurait 23 lettres"},
        // A TAB in a shown text aligns nothing.
        {"titre\nAngle\taigu\n", "2: une tabulation dans le texte \"Angle\taigu\""},
        {figure + "étiquette 2 2 1\tcm\nfin\n", "5: une tabulation dans le texte \"1\tcm\""},
        // A posed multiplication shows its factors' digits.
        {"titre\nopération multiplication 100 120 3\n", posee + "12 × 3"},
        {"titre\nopération multiplication 100 12,5 3\n", posee + "125 × 3"},
        {"titre\nopération multiplication 100 12 10\n", posee + "12 × 1"},
        // Marks that do not fit what they mark.
        {"titre\ndéfinition 80\nfin\n", "2: l'onglet de \"définition\" a 88 pixels de large, plus que son bloc"},
        {figure + "milieu I A B\nangle-droit A I B\nfin\n",
         "6: \"angle-droit\" ne va pas sur un angle plat : [IA) et [IB) sont opposées"},
        {figure + "point C 1.4 1\ncodage A C 2\nfin\n",
         "6: les 2 traits de \"codage\" prennent 14 pixels, plus que les 12 pixels de [AC]"},
        {"titre\nlien 300 100 75 : {numérateur}\nlien 330 110 75 : {numérateur}\n",
         "3: le cadre de lien (330, 110) chevauche celui de la ligne 2, en (300, 100)"},
        // Words an instruction does not take, and a "fin" that is missing.
        {"titre\npropriété 300 200\nUne ligne\nfin\n",
         "2: \"propriété\" n'attend que sa largeur : propriété [largeur]"},
        {"titre\nencadré\nfin 2\n", "3: \"fin\" s'écrit seul"},
        {"titre\ndessous 2\n", "2: \"dessous\" s'écrit seul"},
        {"titre\nfigure 100 300 150\npoint A 1 1\npropriété\nUne ligne\nfin\n",
         "2: \"figure\" sans \"fin\" avant la ligne 4"},
        {"titre\ntableau 90 100\n| a |\nUne ligne\n", "2: \"tableau\" sans \"fin\" avant la ligne 4"},
        // Option words are no names; a statement is told the kind of object it lacks.
        {figure + "point rouge 2 2\nfin\n", "5: \"rouge\" est un mot réservé des options, pas un nom"},
        {figure + "segment A haut\nfin\n",
         "5: \"segment\" n'a pas ses arguments : \"haut\" est un mot réservé des options, pas un nom"},
        {figure + "cercle c A B\nperpendiculaire d A c\nfin\n", "6: \"c\" n'est pas une droite"},
        {figure + "symétrique M A B\nfin\n", "5: \"A\" n'est pas une droite"},
        {figure + "droite A B\nintersection-cercles I (AB) (AB)\nfin\n", "6: \"(AB)\" n'est pas un cercle"},
    };
    for (const auto& c : cas) EXPECT_EQ(erreur(c.source).rfind(c.message, 0), 0u) << c.source << " -> " << erreur(c.source);
}

// A posed operation takes its room, as a text does: the next line stands below it.
TEST_F(Composition, laLigneApresUneOperationPoseeEstEnDessous)
{
    const TpageLecon seule = composer("titre\nopération addition 100 12+34\n");
    const TpageLecon page = composer("titre\nopération addition 100 12+34\nUne ligne\n");
    const Ttexte* ligne = texte(page, "Une ligne");
    ASSERT_TRUE(ligne);
    EXPECT_EQ(ligne->y, seule.hauteur - 10);
}

// The page holds as many objects as the engine does, and refuses the first one more: here the
// title's four objects and one frame a cell.
TEST_F(Composition, unePageDeNbObjetsMaxSeConstruitPasUnDePlus)
{
    std::string cases;
    for (int k = 0; k < 8; ++k) cases += std::string(81, '|') + "\n";
    const std::string tableau = "titre\ntableau 90 7\n" + cases;
    EXPECT_EQ(composer(tableau + std::string(7, '|') + "\nfin\n").surface->nbObjets, nbObjetsMax);
    EXPECT_EQ(erreur(tableau + std::string(8, '|') + "\nfin\n"), "2: la page a trop d'objets");
}

// A definition is framed as a property: the same picture but for the word on its tab.
TEST_F(Composition, uneDefinitionEstEncadreeCommeUnePropriete)
{
    TpageLecon propriete = composer("titre\npropriété\n  Une ligne\nfin\n");
    TpageLecon definition = composer("titre\ndéfinition\n  Une ligne\nfin\n");
    const QImage a = peindreLecon(propriete), b = peindreLecon(definition);
    ASSERT_EQ(a.size(), b.size());
    // The tab begins at the block's corner, (14, 52) of the picture, 88 pixels wide, 21 high.
    const QRect onglet(14, 51, 89, 22);
    int differents = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                ASSERT_TRUE(onglet.contains(x, y)) << x << ", " << y;
                ++differents;
            }
    EXPECT_GT(differents, 50);
}

// Every number is read in the lessons' writing and within its bounds, where it is read: none
// becomes a page through a wrapped or absurd value.
TEST_F(Composition, unNombreHorsDeSaFormeOuDeSesBornesArreteLaConstructionALaBonneLigne)
{
    const std::string figure = "titre\nfigure 96 200 150\npoint A 1 1\npoint B 4 1\n";
    const struct {
        std::string source;
        const char* message;
    } cas[] = {
        {"titre\nfigure 96 280 1e300\nfin\n", "2: nombre attendu au lieu de \"1e300\""},
        {"titre\nfigure 96 280 5000\nfin\n", "2: la hauteur 5000 n'est pas entre 1 et 4000"},
        {"titre\nfigure 96 280,5 100\nfin\n", "2: la largeur doit être un nombre entier, pas 280,5"},
        {"titre\nfigure 96 280 150 0\nfin\n", "2: l'échelle 0 n'est pas entre 1 et 500"},
        {figure + "codage A B 1e300\nfin\n", "5: nombre attendu au lieu de \"1e300\""},
        {figure + "codage A B 2.5\nfin\n", "5: le nombre de traits doit être un nombre entier, pas 2.5"},
        {figure + "codage A B 0\nfin\n", "5: le nombre de traits 0 n'est pas entre 1 et 10"},
        {figure + "graduation A B 2147483648\nfin\n", "5: le nombre de parts 2147483648 n'est pas entre 1 et 100"},
        {figure + "point C 5000 1\nfin\n", "5: la coordonnée 5000 n'est pas entre -1000 et 1000"},
        {figure + "sur M A B inf\nfin\n", "5: nombre attendu au lieu de \"inf\""},
        {figure + "rotation M A B 400\nfin\n", "5: l'angle 400 n'est pas entre -360 et 360"},
        {figure + "étiquette 1 nan x\nfin\n", "5: nombre attendu au lieu de \"nan\""},
        {"titre\nsaut -1\n", "2: le saut -1 n'est pas entre 0 et 50"},
        {"titre\naller 5000\n", "2: l'ordonnée 5000 n'est pas entre 0 et 4000"},
        {"titre\nmarge +5\n", "2: nombre attendu au lieu de \"+5\""},
        {"titre\naller 000000000000000000001\n", "2: trop de chiffres dans 000000000000000000001"},
        {"titre\nbouton 10.5 300 100\n", "2: l'abscisse doit être un nombre entier, pas 10.5"},
        {"titre\nopération division 120 10 7 2147483647\n", "2: le nombre de décimales 2147483647 n'est pas entre 0 et 10"},
        {"titre\ntableau 96 0\n| a |\nfin\n", "2: la largeur 0 n'est pas entre 1 et 763"},
        {"titre\nencadré 0,5\nfin\n", "2: la largeur 0,5 n'est pas entre 1 et 763"},
        {"titre\nboîte -5\nfin\n", "2: la largeur -5 n'est pas entre 1 et 763"},
        {figure + "rapporteur A B 0\nfin\n", "5: le rayon du rapporteur 0 n'est pas entre 1 et 100"},
        {figure + "rapporteur A B -1\nfin\n", "5: le rayon du rapporteur -1 n'est pas entre 1 et 100"},
        {"titre\nlien 300 100 .5 : {a}\n", "2: nombre attendu au lieu de \".5\""},
        {"titre\nsaut 50\nsaut 50\nsaut 50\nsaut 50\n", "5: la page dépasse 4000 pixels de haut"},
    };
    for (const auto& c : cas) EXPECT_EQ(erreur(c.source), c.message) << c.source;
}

// A figure statement that would draw nothing, a flattened shape, or lose an object under another
// of the same name or past what a figure holds stops the build at its line. E stands where A does.
TEST_F(Composition, unEnonceDeFigureQuiPerdraitCeQuIlDessineArreteLaConstructionALaBonneLigne)
{
    const std::string figure =
        "titre\nfigure 100 300 150\npoint A 1 1\npoint B 4 1\npoint C 1 3\npoint D 4 3\npoint E 1 1\n";
    const auto confondus = [](const char* mot, const char* a, const char* b) {
        return "8: \"" + std::string(mot) + "\" ne donne rien : \"" + a + "\" et \"" + b + "\" sont confondus";
    };
    const auto reserve = [](const char* ligne, const char* nom) {
        return ligne + std::string(": le nom \"") + nom +
               "\" commence par \"_\", réservé aux objets que la figure ajoute elle-même";
    };
    std::string sommets;
    for (int k = 0; k <= nbSommetsMax; ++k) sommets += " A";
    const struct {
        std::string lignes;
        std::string message;
    } cas[] = {
        {"point _4 2 2", reserve("8", "_4")},
        // The first helper point of the right angle's mark.
        {"angle-droit A B C\nsegment _6 B", reserve("9", "_6")},
        {"point A 2 2", "8: la figure a déjà un objet \"A\""},
        {"segment A B\nsegment A B rouge", "9: la figure a déjà un objet \"[AB]\""},
        {"polygone A B C D", "8: la figure a déjà un objet \"A\""},
        {"segment A A", confondus("segment", "A", "A")},
        {"droite A E", confondus("droite", "A", "E")},
        {"demi-droite E A", confondus("demi-droite", "E", "A")},
        {"cercle c A E", confondus("cercle", "A", "E")},
        {"disque d A A", confondus("disque", "A", "A")},
        {"arc a A B B", confondus("arc", "B", "B")},
        {"milieu I A E", confondus("milieu", "A", "E")},
        {"sur M A E 0.5", confondus("sur", "A", "E")},
        {"rotation M A E 30", confondus("rotation", "A", "E")},
        {"report M A B C C", confondus("report", "C", "C")},
        {"quatrième D A B E", confondus("quatrième", "A", "E")},
        {"médiatrice d A E", confondus("médiatrice", "A", "E")},
        {"polygone p A A A", confondus("polygone", "A", "A")},
        {"ligne-brisée l A B E", confondus("ligne-brisée", "A", "E")},
        {"angle-droit A B E", confondus("angle-droit", "A", "E")},
        {"marque-angle B A B", confondus("marque-angle", "B", "B")},
        {"milieu I A B\nangle-droit B A I", "9: \"angle-droit\" ne donne rien : [AB) et [AI) sont confondues"},
        {"codage A E 2", confondus("codage", "A", "E")},
        {"graduation A A 4", confondus("graduation", "A", "A")},
        {"partage A B C E 3", confondus("partage", "A", "E")},
        {"partage A B C D 1", "8: le nombre de parts 1 n'est pas entre 2 et 100"},
        {"rapporteur E A 3", confondus("rapporteur", "E", "A")},
        {"cercle k A B\nrapporteur k A 3", "9: \"k\" n'est pas un point"},
        {"polygone p" + sommets, "8: \"polygone\" a plus de 40 sommets"},
    };
    for (const auto& c : cas) EXPECT_EQ(erreur(figure + c.lignes + "\nfin\n"), c.message) << c.lignes;
    // A figure holds 650 objects: two points, then four for each stroke of the graduations.
    const std::string pleine =
        "titre\nfigure 100 300 150\npoint A 1 1\npoint B 4 1\ngraduation A B 100\ngraduation A B 60\n";
    EXPECT_EQ(erreur(pleine + "fin\n"), "");
    EXPECT_EQ(erreur(pleine + "point Z 2 2\nfin\n"), "7: la figure a trop d'objets");
}

TEST_F(Composition, lesMotsDesBlocsSuivisDAutresMotsSontDuTexte)
{
    const TpageLecon page = composer("titre\naction menée par la classe\nfin de la phrase\npropriété 300\nfin\n");
    EXPECT_TRUE(texte(page, "action menée par la classe"));
    EXPECT_TRUE(texte(page, "fin de la phrase"));
}

// A TAB between the words of an instruction, or around a cell's text, is a blank.
TEST_F(Composition, uneTabulationEntreLesMotsEstUnBlanc)
{
    const TpageLecon espaces = composer("titre\nsaut 2\nUne ligne\n");
    const TpageLecon tabulations = composer("titre\nsaut\t2\nUne ligne\n");
    ASSERT_TRUE(texte(espaces, "Une ligne") && texte(tabulations, "Une ligne"));
    EXPECT_EQ(texte(tabulations, "Une ligne")->y, texte(espaces, "Une ligne")->y);
    EXPECT_TRUE(texte(composer("titre\ntableau 90 100 100\n|\ta\t|\tb |\nfin\n"), "b"));
    const TpageLecon figure = composer("titre\nfigure 100 300 150\nétiquette\t2 2\tvoilà\nfin\n");
    EXPECT_EQ(figure.figures.at(0).surface->objets[1]->point->etiquette, "voilà");
}

TEST_F(Composition, leDecalageDeLaPagePlaceEtDimensionneLImage)
{
    pageDuCours = {1054, "Titre", -5, 1};
    const TpageLecon page = composer("titre\n");
    EXPECT_EQ(page.gauche, 32);
    EXPECT_EQ(page.haut, 27);
    EXPECT_EQ(page.largeur, largeurZoneCours - 32);
    // The picture reaches down to a figure placed below its last line.
    pageDuCours = {1002, "Titre", 0, 0};
    TpageLecon avecFigure = composer("titre\nfigure 100 100 300\npoint A 1 0.5\nfin\n");
    const QImage image = peindreLecon(avecFigure);
    EXPECT_GT(image.height(), 300);
}

TEST(PageDuCours, unePageSeTrouveParSonImageAvecLeTitreDeSaFeuilleEtSonDecalage)
{
    const auto lignes = lignesArbreChoixCours();
    const struct {
        const char* image;
        int code;
        double colonne, ligne;
    } cas[] = {{"01S1", 1002, 0, 0}, {"01SF1", 1007, 0, 0.5}, {"04SF2", 1041, -7.5, 0},
               {"12S5", 1123, -5, 0}, {"13SF4", 1139, 0, 0}};
    for (const auto& c : cas) {
        const std::optional<TpageDuCours> page = pageDuCours(c.image);
        ASSERT_TRUE(page) << c.image;
        EXPECT_EQ(page->code, c.code);
        EXPECT_EQ(page->titre, lignes[static_cast<std::size_t>(c.code - 1000)].texte);
        EXPECT_EQ(page->colonne, c.colonne);
        EXPECT_EQ(page->ligne, c.ligne);
    }
    for (const char* image : {"01S5", "12S6", "14S1", "01S", ""}) EXPECT_FALSE(pageDuCours(image)) << image;
}

// What the teacher found by eye on the painted pages: a letter touched by a stroke, another text
// or a link frame's line, a drawing cut by its box or by the picture, a line under a fill, a
// drawing left without ink.
TEST_F(Composition, uneLettreToucheeUnDessinCoupeCacheOuSansEncreArretentLaConstruction)
{
    const std::string figure = "titre\nfigure 100 300 150\npoint A 1 1\npoint B 8 1\n";
    const struct {
        std::string source;
        const char* message;
    } cas[] = {
        {figure + "segment A B\nétiquette 4 1.25 M\nfin\n", "6: \"M\" touche le trait de la ligne 5 en ("},
        {figure + "codage A B 2\nétiquette 4.5 1.2 M\nfin\n", "6: \"M\" touche le trait de la ligne 5 en ("},
        // Another point's marker is a stroke; a point's own is not.
        {figure + "point C 3.8 2 sans-nom\npoint D 3.5 2 droite\nfin\n", "6: \"D\" touche le point C de la ligne 5"},
        {"titre\nfigure 100 360 200\npoint O 6 0.1 sans-nom\npoint X 9 0.1 sans-nom\nrapporteur O X 2\n"
         "point C 7.5 1.5 droite\nfin\n",
         "6: \"C\" touche un instrument en ("},
        {figure + "point C 12 1 sans-nom invisible\nsegment A C\nfin\n", "6: la figure 1 déborde de sa boîte en ("},
        {"titre\nfigure 100 300 260 25\npoint O 6 4\npoint X 9 4\nrapporteur O X 3\nfin\n",
         "2: le rapporteur de la figure 1 sort de sa boîte de 14 pixels"},
        // A line just below a table, its capitals on the table's bottom border.
        {"titre\naller 100\ntableau 90 100\n| a |\nfin\naller 124\nUne ligne\n",
         "7: le texte \"Une ligne\" touche un bord de case ou de cadre de la ligne 4 en ("},
        // The title's rule is where the window draws the frame's line.
        {"titre\nlien 300 45 75 : {numérateur}\n", "1: la ligne du cadre de lien (300, 45) de la fenêtre passerait sur le dessin"},
        {"titre\nlien 300 100 75 : {numérateur}\naller 99\nUne ligne dessous, large et longue de plusieurs mots\n",
         "4: le texte \"Une ligne dessous, large et longue de plusieurs mots\" touche la ligne du cadre de lien (300, 100)"},
        {figure + "étiquette 4 2 M\nétiquette 4.1 2 N\nfin\n", "5: \"M\" touche \"N\" de la ligne 6"},
        {figure + "point C 4 2\npoint D 4 2\nfin\n", "6: \"D\" touche le point C de la ligne 5"},
        {"titre\naller 100\nUne ligne\n$M9Monte\n", "3: le texte \"Une ligne\" touche le texte \"$M9Monte\" de la ligne 4"},
        {figure + "point C 2 2.5 invisible\npoint D 7 2.5 invisible\npoint G 4.5 4 invisible\npoint E 1 3 invisible\n"
                  "point H 8 3 invisible\ndroite E H\npolygone p C D G plein vert\nfin\n",
         "11: le remplissage cache le trait de la ligne 10"},
        {figure + "point C 40 1 invisible\npoint D 41 1 invisible\nsegment C D\nfin\n",
         "7: ce qui est dessiné ne laisse aucune encre dans sa boîte"},
        {"titre\nfigure 100 360 200\npoint O 6 0.1 sans-nom\npoint X 9 0.1 sans-nom\nrapporteur O X 2\n"
         "point P 1 1.7 invisible\npoint Q 11 1.7 invisible\nsegment P Q\nfin\n",
         "5: \"$<20\" touche le trait de la ligne 8"},
    };
    for (const auto& c : cas) EXPECT_EQ(erreur(c.source).rfind(c.message, 0), 0u) << c.source << " -> " << erreur(c.source);
    // Lines are cut at the box on purpose, letters stand on the light lines of a grid, a protractor
    // whose reference line lies on the bottom edge shows its half, a square rises in a row made
    // for it, and punctuation follows a phrase over its frame's line.
    for (const std::string& source :
         {figure + "point C 12 1 sans-nom invisible\ndroite A C\nfin\n",
          figure + "segment A B bleu-clair\nétiquette 4 1.25 M\nfin\n",
          std::string("titre\nfigure 100 360 200\npoint O 6 0.1 sans-nom\npoint X 9 0.1 sans-nom\nrapporteur O X 2\nfin\n"),
          std::string("titre\ntableau 90 100\n| 15 cm² |\nfin\n"),
          "titre\nlien 300 100 " + std::to_string(largeur("$knumérateur") + 10) + " : {numérateur}, de la fraction\n"})
        EXPECT_EQ(erreur(source), "") << source;
}
