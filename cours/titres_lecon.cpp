#include "cours/titres_lecon.h"

#include <charconv>

#include "navigation/arbres.h"

namespace {

struct TcodeImage {
    int chapitre = 0;
    // 0 under "Le cours", 1 under "Méthodes".
    int section = 0;
    int rang = 0;
};

std::optional<TcodeImage> lireCode(const std::string& code)
{
    TcodeImage c;
    const char* debut = code.data();
    const char* fin = code.data() + code.size();
    if (code.size() < 4 || std::from_chars(debut, debut + 2, c.chapitre).ptr != debut + 2) return std::nullopt;
    const std::string section = code.substr(2, code.size() - 3);
    if (section != "S" && section != "SF") return std::nullopt;
    c.section = section == "S" ? 0 : 1;
    if (std::from_chars(fin - 1, fin, c.rang).ptr != fin || c.rang < 1) return std::nullopt;
    return c;
}

}  // namespace

std::optional<std::string> titreDeLaPage(const std::string& codeImage)
{
    const std::optional<TcodeImage> code = lireCode(codeImage);
    if (!code) return std::nullopt;
    // Counted as the tree is walked: chapters, the sections of the current chapter, the pages of
    // the current section.
    int chapitre = 0, section = -1, rang = 0;
    for (const TLigneArbre& ligne : lignesArbreChoixCours()) {
        if (ligne.niveau == 0) ++chapitre, section = -1;
        else if (ligne.niveau == 1) ++section, rang = 0;
        else if (++rang == code->rang && chapitre == code->chapitre && section == code->section)
            return ligne.texte;
    }
    return std::nullopt;
}
