#pragma once
// What the program knows of a course page, found from its picture's code ("05S3"): its link code,
// its title (the text of its leaf in the tree of course pages, as the window shows it) and the
// shift of its picture in the course pages table.

#include <optional>
#include <string>

struct TpageDuCours {
    int code = 0;
    std::string titre;
    double colonne = 0, ligne = 0;
};

// Empty when no page of the table has that picture.
std::optional<TpageDuCours> pageDuCours(const std::string& codeImage);
