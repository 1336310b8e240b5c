#include "cours/page_du_cours.h"

#include "navigation/arbres.h"
#include "navigation/table_pages_cours.h"

namespace {

// The course pages' link codes, and the offset of the tree's indices from them.
constexpr int premierCode = 1002, dernierCode = 1139, decalageArbre = 1000;

}  // namespace

std::optional<TpageDuCours> pageDuCours(const std::string& codeImage)
{
    for (int code = premierCode; code <= dernierCode; ++code) {
        const TpageCours* page = pageCoursIllustree(code);
        if (!page || codeImage != page->codeImage) continue;
        return TpageDuCours{code, lignesArbreChoixCours()[static_cast<std::size_t>(code - decalageArbre)].texte,
                            page->colonne, page->ligne};
    }
    return std::nullopt;
}
