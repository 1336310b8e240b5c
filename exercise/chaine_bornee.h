#pragma once
// Texts of the shared record that hold at most N characters: whatever is stored keeps its first N
// characters, so no check ever sees a longer answer than the record could hold.

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/base/chaine_courte.h"

template <std::size_t N>
class TchaineBornee {
public:
    TchaineBornee() = default;
    TchaineBornee(std::string_view s) : texte_(courte(s, N)) {}
    TchaineBornee(const char* s) : TchaineBornee(std::string_view(s)) {}
    TchaineBornee(const std::string& s) : TchaineBornee(std::string_view(s)) {}

    const std::string& texte() const { return texte_; }
    operator const std::string&() const { return texte_; }
    bool empty() const { return texte_.empty(); }
    std::size_t size() const { return texte_.size(); }
    void clear() { texte_.clear(); }

    friend bool operator==(const TchaineBornee& a, std::string_view b) { return a.texte_ == b; }

private:
    std::string texte_;
};

using Tchaine120 = TchaineBornee<longueurCourte>;
using Tchaine255 = TchaineBornee<255>;
