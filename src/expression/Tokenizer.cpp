#include "expression/Tokenizer.h"

#include "expression/Vocabulary.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tarlix {

namespace {

// Edits the source and keeps the cursor on the same character.
class SourceEditor {
public:
    SourceEditor(std::string& s, int& cursor) : s_(s), cursor_(cursor) {}
    std::string& text() { return s_; }
    void erase(std::size_t pos, std::size_t n) {
        n = std::min(n, s_.size() - pos);
        const auto p = static_cast<int>(pos);
        if (p < cursor_) cursor_ -= std::min(static_cast<int>(n), cursor_ - p);
        s_.erase(pos, n);
    }
    void insert(std::size_t pos, const std::string& what) {
        if (static_cast<int>(pos) < cursor_) cursor_ += static_cast<int>(what.size());
        s_.insert(pos, what);
    }
    void replaceAll(const std::string& from, const std::string& to) {
        for (std::size_t at = s_.find(from); at != std::string::npos;
             at = s_.find(from, at + to.size())) {
            insert(at, to); // first, so that a cursor behind the text stays behind it
            erase(at + to.size(), from.size());
        }
    }

private:
    std::string& s_;
    int& cursor_;
};

void squeezeSpaces(SourceEditor& ed) {
    while (!ed.text().empty() && ed.text().front() == ' ') ed.erase(0, 1);
    for (std::size_t at = ed.text().find("  "); at != std::string::npos; at = ed.text().find("  "))
        ed.erase(at, 1);
}

bool isUpper(char c) {
    return c >= 'A' && c <= 'Z';
}

// "Px" is the x coordinate of P: a dot goes between a capital and a following r, x or y.
void insertComponentDots(SourceEditor& ed) {
    const std::string& s = ed.text();
    for (std::size_t i = s.size(); i-- > 1;) {
        if ((s[i] != 'r' && s[i] != 'x' && s[i] != 'y') || !isUpper(s[i - 1])) continue;
        const std::size_t cap = i - 1;
        if (i >= 2 && s.compare(i - 2, 3, "nCr") == 0) continue;
        if (s.compare(cap, 4, "Crad") == 0 || s.compare(cap, 4, "Irad") == 0) continue;
        if (s.compare(cap, 3, "Pro") == 0) continue;
        ed.insert(i, ".");
    }
}

bool followsUserFunction(const std::string& s, std::size_t pos) {
    if (pos == 0) return false;
    const char before = s[pos - 1];
    if (before == 'f' || before == 'g' || before == 'h') return true;
    return pos >= 2 && s[pos - 2] == 'f' && before >= '1' && before <= '5';
}

// Primes mean derivatives of user functions only; elsewhere a run of primes is dropped.
void cleanPrimes(SourceEditor& ed) {
    while (ed.text().find("'''") != std::string::npos) ed.replaceAll("'''", "''");
    const std::string& s = ed.text();
    for (std::size_t i = s.size(); i-- > 0;) {
        if (s[i] != '\'') continue;
        std::size_t start = i;
        while (start > 0 && s[start - 1] == '\'') --start;
        if (!followsUserFunction(s, start)) ed.erase(start, i - start + 1);
        i = start;
    }
    while (!s.empty() && s.front() == '\'') ed.erase(0, 1);
}

bool takesName(int c, const std::string& name, std::string_view rest) {
    if (name.empty() || rest.compare(0, name.size(), name) != 0) return false;
    const char next = rest.size() > name.size() ? rest[name.size()] : '\0';
    if (c == Token::Y1 && rest.size() > 2 && std::isdigit(static_cast<unsigned char>(rest[2])))
        return false;
    if (c == Token::Y1 + 1 && rest.size() > 2 && rest[2] == '0') return false;
    if ((c == Token::PointFn || c == Token::AntiH - 2 || c == Token::AntiH - 1 ||
         c == Token::AntiH) &&
        next != '(')
        return false;
    return c != Token::LogBase;
}

// The names of the codes with the default settings, and the named codes by the first byte of
// their names, each list in vocabulary order: a position is compared only with the names that
// can start there. The separator and the decimal point follow the settings and are tried apart.
struct NameIndex {
    std::vector<std::string> names;
    std::array<std::vector<std::uint8_t>, 256> byFirstByte;

    NameIndex() {
        const EngineSettings defaults;
        for (int c = kFirstNamedToken; c <= kLastNamedToken; ++c) {
            names.push_back(tokenName(c, defaults));
            if (c == Token::Comma || c == Token::DecimalPoint || names.back().empty()) continue;
            byFirstByte[static_cast<unsigned char>(names.back()[0])].push_back(
                static_cast<std::uint8_t>(c));
        }
    }
};

const NameIndex& nameIndex() {
    static const NameIndex index;
    return index;
}

} // namespace

std::string tokenize(std::string& source, int& cursor, const EngineSettings& settings) {
    SourceEditor ed(source, cursor);
    // Text of the program is single-byte, so no double-byte characters can occur here.
    squeezeSpaces(ed);
    ed.replaceAll("degree", "\xB0");
    ed.replaceAll("Vcos", "Ptan");
    insertComponentDots(ed);
    cleanPrimes(ed);
    squeezeSpaces(ed); // dropped primes can leave blanks side by side or at the start

    const NameIndex& index = nameIndex();
    const std::string comma = tokenName(Token::Comma, settings);
    const std::string point = tokenName(Token::DecimalPoint, settings);
    const auto nameOf = [&](int c) -> const std::string& {
        if (c == Token::Comma) return comma;
        if (c == Token::DecimalPoint) return point;
        return index.names[static_cast<std::size_t>(c - kFirstNamedToken)];
    };
    std::string tokens;
    std::string cleaned;
    std::size_t pos = 0;
    while (pos < source.size()) {
        if (source[pos] == '*') source[pos] = '\xB7';
        const std::string_view rest = std::string_view(source).substr(pos);
        int found = 0;
        for (const int c : index.byFirstByte[static_cast<unsigned char>(rest[0])])
            if (takesName(c, nameOf(c), rest)) {
                found = c;
                break;
            }
        // The first match in vocabulary order wins, so these two only where they come earlier.
        for (const int c : {int{Token::Comma}, int{Token::DecimalPoint}})
            if ((found == 0 || c < found) && takesName(c, nameOf(c), rest)) found = c;
        if (found == 0) {
            tokens += tokenChar(Token::Unrecognised);
            tokens += rest;
            break;
        }
        const std::string& name = nameOf(found);
        tokens += tokenChar(found);
        cleaned += name;
        pos += name.size();
    }
    source = cleaned;
    cursor = std::clamp(cursor, 0, static_cast<int>(source.size()));
    return tokens;
}

} // namespace tarlix
