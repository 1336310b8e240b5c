#pragma once
// The program's message boxes on Qt: French buttons, over the main window whatever window has
// the focus, answered only by a click or by a key pressed while they show.

#include <QMessageBox>
#include <string>

// Shows a box modal to the whole application and gives the focus back to the control that had
// it, as the pupil was typing there before the message. Returns the button chosen, or NoButton.
QMessageBox::StandardButton executerBoite(QMessageBox::Icon icone, const std::string& titre,
                                          const std::string& texte, QMessageBox::StandardButtons boutons);
