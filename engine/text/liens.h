#pragma once
// Link names written in texts ("C02_C1", "Poutils") and the codes they stand for; the course
// pages of each chapter.

#include <string>

// The code of a link name, read from its first 10 characters and chosen by its kind letter
// (TgenreLien); 0 when the name gives no link.
int numeroLien(const std::string& nom);
// The code whose name is the given one less its first letter: course pages 1000..1999, exercise
// pages 0..999, tools 2000..2763; 0 when none bears it.
int numeroPageCours(const std::string& nom);
int numeroPageExercice(const std::string& nom);
int numeroOutil(const std::string& nom);
// The name of a code; empty for a code that has none.
std::string nomPageCours(int code);
std::string nomPageExercice(int code);
std::string nomOutil(int code);

// The first and last course page of a chapter index (chapter number plus 1); 0 outside 2..14.
int premierePageChapitre(int indexChapitre);
int dernierePageChapitre(int indexChapitre);
// The chapter index a course-page code belongs to.
int chapitreDePage(int page);
