#include "engine/figure/peinture.h"
#include "engine/text/primitives.h"
#include "engine/text/zones_liens.h"

void (*dessinerOutilsFigure)(Tfigure& figure, Canevas& canevas) = nullptr;

namespace {

// The surface's list is the current one for the life of the paint, whatever happens in it.
class TpublicationZones {
public:
    explicit TpublicationZones(TlisteZonesLiens& liste) { listeZonesCourante = &liste; }
    ~TpublicationZones() { listeZonesCourante = nullptr; }
    TpublicationZones(const TpublicationZones&) = delete;
    TpublicationZones& operator=(const TpublicationZones&) = delete;
};

void peindreFond(const Tfigure& figure, Canevas& canevas)
{
    if (const ZoneDessin* c = figure.controle)
        remplirRectangle(canevas, c->Color(), 0, 0, c->Width(), c->Height());
    else
        remplirRectangle(canevas, figure.couleurFond, 0, 0, figure.largeur, figure.hauteur);
}

} // namespace

void dessinerFigure(Tfigure& figure)
{
    if (figure.controle) dessinerFigure(figure, figure.controle->canvas());
}

void dessinerFigure(Tfigure& figure, Canevas& canevas)
{
    viderZonesLiens(figure.zonesLiens, figure.couleurFond);
    const TpublicationZones publication(figure.zonesLiens);
    if (figure.fondPeint) peindreFond(figure, canevas);
    if (figure.nbOutils > 0 && dessinerOutilsFigure) dessinerOutilsFigure(figure, canevas);
    if (figure.axesVisibles) dessinerAxes(figure, canevas);
    for (int i = 1; i <= figure.nbObjets; ++i) {
        const Tobjet& o = *figure.objets[i];
        if (o.aPeindre && o.classe != affPoint) dessinerObjet(figure, canevas, i);
    }
    // Points go over everything, whether marked for painting or not.
    for (int i = 1; i <= figure.nbObjets; ++i)
        if (figure.objets[i]->classe == affPoint) dessinerObjet(figure, canevas, i);
}
