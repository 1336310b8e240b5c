#pragma once
// The title of a course page is the text of its leaf in the tree of course pages, found from the
// picture's code: the chapter's two digits, "S" and the number of a lesson of "Le cours", or "SF"
// and the number of a page of "Méthodes".

#include <optional>
#include <string>

// Empty when the code names no leaf of the tree.
std::optional<std::string> titreDeLaPage(const std::string& codeImage);
