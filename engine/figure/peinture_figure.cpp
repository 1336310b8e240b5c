#include "engine/figure/glissement.h"
#include "engine/figure/peinture.h"
#include "engine/text/primitives.h"
#include "engine/text/zones_liens.h"

void (*dessinerOutilsFigure)(Tfigure& figure, Canevas& canevas) = dessinerOutils;

namespace {

// The list is the current one for the life of the object, whatever happens meanwhile.
class TpublicationZones {
public:
    explicit TpublicationZones(TlisteZonesLiens& liste) { listeZonesCourante = &liste; }
    ~TpublicationZones() { listeZonesCourante = nullptr; }
    TpublicationZones(const TpublicationZones&) = delete;
    TpublicationZones& operator=(const TpublicationZones&) = delete;
};

int largeurPeinte(const Tfigure& figure)
{
    return figure.controle ? figure.controle->Width() : figure.largeur;
}

int hauteurPeinte(const Tfigure& figure)
{
    return figure.controle ? figure.controle->Height() : figure.hauteur;
}

void peindreFond(const Tfigure& figure, Canevas& canevas)
{
    const TColor couleur = figure.controle ? figure.controle->Color() : figure.couleurFond;
    remplirRectangle(canevas, couleur, 0, 0, largeurPeinte(figure), hauteurPeinte(figure));
}

void peindreOutils(Tfigure& figure, Canevas& canevas)
{
    if (figure.nbOutils > 0 && dessinerOutilsFigure) dessinerOutilsFigure(figure, canevas);
}

void peindreAxes(Tfigure& figure, Canevas& canevas)
{
    if (figure.axesVisibles) dessinerAxes(figure, canevas);
}

// The objects that are not points from `premier` on, those that pass the test.
template <class Test>
void peindreAutres(Tfigure& figure, Canevas& canevas, int premier, int dernier, Test test)
{
    for (int i = premier; i <= dernier; ++i) {
        const Tobjet& o = *figure.objets[i];
        if (o.aPeindre && o.classe != affPoint && test(i)) dessinerObjet(figure, canevas, i);
    }
}

// Points go over everything, whether marked for painting or not.
template <class Test>
void peindrePoints(Tfigure& figure, Canevas& canevas, int premier, int dernier, Test test)
{
    for (int i = premier; i <= dernier; ++i)
        if (figure.objets[i]->classe == affPoint && test(i)) dessinerObjet(figure, canevas, i);
}

constexpr auto tous = [](int) { return true; };

void peindreTout(Tfigure& figure, Canevas& canevas)
{
    viderZonesLiens(figure.zonesLiens, figure.couleurFond);
    const TpublicationZones publication(figure.zonesLiens);
    if (figure.fondPeint) peindreFond(figure, canevas);
    peindreOutils(figure, canevas);
    peindreAxes(figure, canevas);
    peindreAutres(figure, canevas, 1, figure.nbObjets, tous);
    peindrePoints(figure, canevas, 1, figure.nbObjets, tous);
}

// Paints one layer of the drag, collecting its link zones.
void peindreCalque(Tfigure& figure, Canevas& etat, Calque& calque, TlisteZonesLiens& zones,
                   const std::function<void(Canevas&)>& peinture)
{
    viderZonesLiens(zones, figure.couleurFond);
    const TpublicationZones publication(zones);
    calque.peindre(etat, peinture);
}

bool peindreCalques(Tfigure& figure, Canevas& canevas, Tglissement& g)
{
    const int largeur = largeurPeinte(figure), hauteur = hauteurPeinte(figure);
    if (largeur <= 0 || hauteur <= 0) return false;
    g.dessous = canevas.creerCalque(largeur, hauteur);
    g.dessus = canevas.creerCalque(largeur, hauteur);
    if (!g.dessous || !g.dessus) return false;
    g.calquesAJour = true;
    const auto immobile = [&g](int i) { return !g.mobiles[static_cast<std::size_t>(i)]; };
    peindreCalque(figure, canevas, *g.dessous, g.zonesDessous, [&](Canevas& c) {
        if (figure.fondPeint) peindreFond(figure, c);
        if (g.outilSaisi) return;
        peindreOutils(figure, c);
        peindreAxes(figure, c);
        peindreAutres(figure, c, 1, g.premierMobile - 1, immobile);
    });
    peindreCalque(figure, canevas, *g.dessus, g.zonesDessus, [&](Canevas& c) {
        if (g.outilSaisi) {
            peindreAxes(figure, c);
            peindreAutres(figure, c, 1, figure.nbObjets, tous);
            peindrePoints(figure, c, 1, figure.nbObjets, tous);
            return;
        }
        peindrePoints(figure, c, 1, g.premierPointMobile - 1, immobile);
    });
    return true;
}

void reprendreZones(TlisteZonesLiens& liste, const TlisteZonesLiens& zones)
{
    for (int k = 1; k <= zones.nbZones; ++k) {
        const TzoneLien& z = zones.zones[static_cast<std::size_t>(k)];
        ajouterZoneLien(liste, z.numero, z.gauche, z.haut, z.droite, z.bas);
    }
}

// The layers once per drag (again when the figure or the control's size changed), then what
// moves between them; false when this canvas has no layers.
bool peindreGlissement(Tfigure& figure, Canevas& canevas)
{
    if (figure.glissement->nbObjets != figure.nbObjets) commencerGlissement(figure);
    Tglissement& g = *figure.glissement;
    const bool aJour = g.calquesAJour && g.dessous && g.dessous->Width() == largeurPeinte(figure) &&
                       g.dessous->Height() == hauteurPeinte(figure);
    if (!aJour && !peindreCalques(figure, canevas, g)) return false;
    viderZonesLiens(figure.zonesLiens, figure.couleurFond);
    const TpublicationZones publication(figure.zonesLiens);
    canevas.Draw(0, 0, *g.dessous);
    reprendreZones(figure.zonesLiens, g.zonesDessous);
    if (g.outilSaisi) {
        peindreOutils(figure, canevas);
    } else {
        peindreAutres(figure, canevas, g.premierMobile, figure.nbObjets, tous);
    }
    canevas.Draw(0, 0, *g.dessus);
    reprendreZones(figure.zonesLiens, g.zonesDessus);
    if (!g.outilSaisi) peindrePoints(figure, canevas, g.premierPointMobile, figure.nbObjets, tous);
    return true;
}

} // namespace

void dessinerFigure(Tfigure& figure)
{
    if (figure.controle) dessinerFigure(figure, figure.controle->canvas());
}

void dessinerFigure(Tfigure& figure, Canevas& canevas)
{
    if (figure.glissement && peindreGlissement(figure, canevas)) return;
    peindreTout(figure, canevas);
}
