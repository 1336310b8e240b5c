#pragma once
// A surface of 320 × 290 pixels bound to a recording paint box, scale 29, origin (160, 145).

#include <memory>

#include <gtest/gtest.h>

#include "engine/figure/figure.h"
#include "platform/double/controles_enregistres.h"

class SurfaceDeTest : public ::testing::Test {
protected:
    SurfaceDeTest()
    {
        zone.setBounds(0, 0, 320, 290);
        creerFigure(&zone, 0, 0, surface);
    }

    Tfigure& f() { return *surface; }
    const Tpoint& point(const std::string& nom) { return *objetNomme(f(), nom)->point; }

    ZoneDessinEnregistree zone;
    std::unique_ptr<Tfigure> surface;
};
