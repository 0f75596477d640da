#include "document/RowTexts.h"

#include "expression/Vocabulary.h"

namespace tarlix {

namespace {
bool uses(const std::string& tokens, int token) {
    return tokens.find(tokenChar(token)) != std::string::npos;
}

std::string trimmed(const std::string& s) {
    const auto a = s.find_first_not_of(' ');
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

std::string withRadius(std::string text, const FigureEntry& f) {
    const std::string r = trimmed(f.radius.source);
    if (!r.empty() && r != "0") text += ", r= " + r;
    return text;
}
} // namespace

std::string explicitRowCaption(int n) {
    return " y" + std::to_string(n) + "=";
}
std::string relationRowCaption(int n) {
    return " C" + std::to_string(n) + ": ";
}
std::string segmentRowCaption(int n) {
    return "L" + std::to_string(n);
}

int userFunctionArgumentCount(const Project& project, int n) {
    const std::string& t = project.userFunctions[n].tokens;
    if (uses(t, Token::W)) return 4;
    if (uses(t, Token::Z)) return 3;
    if (uses(t, Token::Y) || uses(t, Token::Theta)) return 2;
    return 1;
}

std::string userFunctionRowCaption(const Project& project, int n) {
    static const char* const lists[] = {"(x)=", "(x,y)=", "(x,y,z)=", "(x,y,z,w)="};
    return std::string(" ") + userFunctionName(n) +
           lists[userFunctionArgumentCount(project, n) - 1];
}

std::string figureRowText(const FigureEntry& f) {
    switch (f.kind) {
    case FigureKind::Point:
        return f.whole.source;
    case FigureKind::Circle:
        return f.whole.source + ", r=" + f.radius.source;
    case FigureKind::HorizontalLine:
        return withRadius("y =" + f.y.source, f);
    case FigureKind::VerticalLine:
        return withRadius("x= " + f.x.source, f);
    case FigureKind::Polar:
        return "r= " + f.radius.source;
    case FigureKind::Parametric:
        return f.notation == FigureNotation::Coordinates ? "x= " + f.x.source + ", y= " + f.y.source
                                                         : f.whole.source;
    default:
        return {};
    }
}

std::string segmentRowText(const SegmentRecord& s) {
    std::string text;
    for (int i = 0; i < s.vertexCount(); ++i) {
        const int v = s.vertices[static_cast<std::size_t>(i)];
        if (!text.empty()) text += ' ';
        if (v == 250)
            text += 'x';
        else if (v == 251)
            text += 'y';
        else if (v >= 1 && v <= 22)
            text += figureLetter(v);
    }
    return text;
}

} // namespace tarlix
