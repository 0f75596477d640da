#include "render/markup/MarkupFields.h"

#include "expression/Compiler.h"
#include "expression/eval/Evaluator.h"
#include "expression/eval/NumberText.h"
#include "platform/MessageBox.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace tarlix {

namespace {
constexpr int kDefaultDigits = 5;
constexpr int kMostDigits = 18;
constexpr int kHighestDegree = 6;
constexpr Extended kUnitCoefficient = 1e-8L;

// A field's expression and digit count: "expr|d"; d is 5 when missing, not a number or
// negative, and kept within 1..18.
struct FieldBody {
    std::string expression;
    int digits = kDefaultDigits;
};

FieldBody splitField(const std::string& body) {
    FieldBody f;
    const auto bar = body.find('|');
    f.expression = body.substr(0, bar);
    if (bar == std::string::npos) return f;
    const std::string d = body.substr(bar + 1);
    const bool number = !d.empty() && d.size() < 6 &&
                        std::all_of(d.begin(), d.end(), [](char c) { return std::isdigit(c); });
    if (number) f.digits = std::clamp(std::stoi(d), 1, kMostDigits);
    return f;
}

bool isShown(const Value& v) {
    return v.isValid() && v.kind != ValueKind::TypeError;
}
bool isShownReal(const Value& v) {
    return isShown(v) && v.kind != ValueKind::Pair;
}

Value evaluateText(const std::string& text, int mode, const MarkupEnv& env) {
    RecordingMessageBox quiet;
    const CompileEnv compileEnv{env.settings, quiet};
    CompiledExpression record;
    setSource(record, text, kModePlain - 1, compileEnv);
    if (!compile(record, mode, false, compileEnv)) return makeUndefined(ValueKind::Real);
    RandomState random = RandomState::seededOnce();
    const EvalEnv evalEnv{env.settings, env.document, env.parameters,
                          &random,      env.area,     env.budget};
    Evaluator evaluator(evalEnv);
    return evaluator.evaluate(record, makeUndefined(ValueKind::Real));
}

// The value text of a field, with its sign prefix ('+', '-' or none) applied.
std::string valueText(Value v, char prefix, int digits, const MarkupEnv& env) {
    if (!isShown(v)) return kFieldErrorText;
    const char point = env.settings.decimalChar;
    if (v.kind == ValueKind::Pair)
        return "(" + fieldNumberText(v.x, digits, point) + env.settings.listSeparatorChar +
               fieldNumberText(v.y, digits, point) + ")";
    if (prefix == '-') v.x = -v.x;
    const std::string number = fieldNumberText(v.x, digits, point);
    return (prefix != 0 && number.front() != '-' ? "+" : "") + number;
}

bool isCoefficientFollower(char c) {
    return c == '(' || c == '[' || c == '{' || c == '@' ||
           std::isalpha(static_cast<unsigned char>(c));
}

// A coefficient of 1 or -1 before a letter or a bracket is written as the sign alone.
void dropUnitCoefficient(std::string& text) {
    const std::size_t signLength = text.size() > 1 && text[0] == '+' ? 1 : 0;
    const std::string magnitude = text.substr(signLength);
    if (magnitude == "1") text.erase(signLength);
    if (magnitude == "-1") text.erase(signLength + 1);
}

std::string polynomialText(const std::string& expression, int digits, int mode,
                           const MarkupEnv& env) {
    std::string out;
    const char point = env.settings.decimalChar;
    for (int degree = kHighestDegree; degree >= 0; --degree) {
        const std::string cof =
            "cof(" + std::to_string(degree) + env.settings.listSeparatorChar + expression + ")";
        const Value c = evaluateText(cof, mode, env);
        if (!isShownReal(c)) return {};
        if (c.x == 0) continue;
        std::string term;
        if (degree > 0 && std::fabs(c.x - 1) < kUnitCoefficient)
            term = "";
        else if (degree > 0 && std::fabs(c.x + 1) < kUnitCoefficient)
            term = "-";
        else
            term = fieldNumberText(c.x, digits, point);
        if (term.empty() || term.front() != '-') term = "+" + term;
        if (degree >= 1) term += "x";
        if (degree >= 2) term += "^" + std::to_string(degree);
        out += term;
    }
    if (!out.empty() && out.front() == '+') out.erase(0, 1);
    return "{" + (out.empty() ? std::string("0") : out) + "}";
}
} // namespace

std::string fieldNumberText(Extended v, int digits, char decimalChar) {
    std::string s = formatGeneral(v, digits, decimalChar);
    const auto e = s.find('E');
    if (e != std::string::npos) s = s.substr(0, e) + "*10^(" + s.substr(e + 1) + ")";
    return s;
}

std::string expandValueFields(const std::string& text, int mode, const MarkupEnv& env) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto field = text.find("!{", i);
        if (field == std::string::npos) break;
        char prefix = 0;
        std::size_t copyEnd = field;
        if (field > i && (text[field - 1] == '+' || text[field - 1] == '-')) {
            prefix = text[field - 1];
            --copyEnd;
        }
        out += text.substr(i, copyEnd - i);
        const auto close = std::min(text.find('}', field + 2), text.size());
        const FieldBody body = splitField(text.substr(field + 2, close - field - 2));
        const Value v = evaluateText(body.expression, mode, env);
        std::string value =
            valueText(v, isShown(v) && v.kind == ValueKind::Pair ? 0 : prefix, body.digits, env);
        if (close + 1 < text.size() && isCoefficientFollower(text[close + 1]))
            dropUnitCoefficient(value);
        out += "{" + value + "}";
        i = close + 1;
    }
    if (i < text.size()) out += text.substr(i);
    return out;
}

std::string expandPolynomialFields(const std::string& text, int mode, const MarkupEnv& env) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto field = text.find("?{", i);
        if (field == std::string::npos) break;
        out += text.substr(i, field - i);
        const auto close = std::min(text.find('}', field + 2), text.size());
        const FieldBody body = splitField(text.substr(field + 2, close - field - 2));
        out += polynomialText(body.expression, body.digits, mode, env);
        i = close + 1;
    }
    if (i < text.size()) out += text.substr(i);
    return out;
}

} // namespace tarlix
