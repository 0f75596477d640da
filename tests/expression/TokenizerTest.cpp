#include "expression/Calc.h"

#include <gtest/gtest.h>

using namespace tarlix;

namespace {
std::string names(const std::string& tokens, const EngineSettings& s) {
    std::string out;
    for (char ch : tokens) {
        if (!out.empty()) out += ' ';
        out += code(ch) == Token::Unrecognised ? std::string("<?>") : tokenName(code(ch), s);
    }
    return out;
}

TEST(Vocabulary, CodesFollowTheTableOrder) {
    const EngineSettings s;
    const struct {
        int code;
        const char* name;
    } fixed[] = {{44, " "},      {46, "Sum"},  {50, "Send"}, {63, "="},     {71, "%"},
                 {72, "arg"},    {95, "Ptan"}, {97, "P"},    {104, "Asin"}, {119, "_"},
                 {130, "roll"},  {131, "log"}, {132, "sol"}, {152, "y20"},  {169, "@"},
                 {174, "SZERO"}, {176, "''"},  {178, "f1"},  {185, "h"},    {186, "F1"},
                 {202, "C9"},    {213, "."},   {217, "]"},   {225, "A"},    {239, "O"},
                 {241, "Y"}};
    for (const auto& f : fixed) EXPECT_EQ(tokenName(f.code, s), f.name) << f.code;
    EXPECT_EQ(userFunctionNumber(Token::F1 + 5), 1); // f
    EXPECT_EQ(userFunctionNumber(Token::F1), 4);     // f1
    EXPECT_EQ(userFunctionNumber(Token::AntiH), 3);  // H is the antiderivative of h
    EXPECT_EQ(parameterIndex(Token::Theta), 13);
}

TEST(Tokenizer, SplitsTextIntoTokens) {
    const EngineSettings s;
    const struct {
        const char* text;
        const char* tokens;
        const char* source;
    } cases[] = {
        {"y12", "y12", "y12"},
        {"y20+y2", "y20 + y2", "y20+y2"},
        {"y0", "y 0", "y0"},
        {"F(x)+F", "F ( x ) + F", "F(x)+F"},
        {"P(1)P", "P ( 1 ) P", "P(1)P"},
        {"Px+Qr", "P .x + Q .r", "P.x+Q.r"},
        {"nCr(5,2)+Crad(P,Q,R)", "nCr ( 5 , 2 ) + Crad ( P , Q , R )", "nCr(5,2)+Crad(P,Q,R)"},
        {"Product(k,1,3,k)", "Product ( k , 1 , 3 , k )", "Product(k,1,3,k)"},
        {"2*x", "2 \xB7 x", "2\xB7x"},
        {"30degree", "3 0 \xB0", "30\xB0"},
        {"Vcos(P,Q)", "Ptan ( P , Q )", "Ptan(P,Q)"},
        {"  sin  x", "sin   x", "sin x"},
        {"f'''(x)+a'", "f '' ( x ) + a", "f''(x)+a"},
        {"'f1'(x)+g'(x)", "f1 ' ( x ) + g ' ( x )", "f1'(x)+g'(x)"},
        {"sinh x+exp e", "sinh   x + exp   e", "sinh x+exp e"},
        {"x+$y", "x + <?> $ y", "x+"},
    };
    for (const auto& c : cases) {
        std::string source = c.text;
        int cursor = 0;
        const std::string tokens = tokenize(source, cursor, s);
        // The unrecognised rest is kept raw behind its marker.
        std::string shown = names(tokens, s);
        if (auto at = tokens.find(tokenChar(Token::Unrecognised)); at != std::string::npos)
            shown = names(tokens.substr(0, at + 1), s) + " " + tokens.substr(at + 1, 1) + " " +
                    tokens.substr(at + 2);
        EXPECT_EQ(shown, c.tokens) << c.text;
        EXPECT_EQ(source, c.source) << c.text;
    }
}

TEST(Tokenizer, CursorFollowsTheCleanedText) {
    const EngineSettings s;
    std::string source = "  2  x degree+Px";
    int cursor = 13; // after "degree"
    tokenize(source, cursor, s);
    EXPECT_EQ(source, "2 x \xB0+P.x");
    EXPECT_EQ(cursor, 5); // still after the degree sign
    source = "Px";
    cursor = 2;
    tokenize(source, cursor, s);
    EXPECT_EQ(cursor, 3); // the inserted dot lies before it
    source = "x+$$";
    cursor = 4;
    tokenize(source, cursor, s);
    EXPECT_EQ(cursor, 2);
}

TEST(Tokenizer, DecimalCommaChangesNumberAndArgumentSeparators) {
    EngineSettings s;
    s.decimalChar = ',';
    s.listSeparatorChar = ';';
    std::string source = "max(1,5;2)";
    int cursor = 0;
    EXPECT_EQ(names(tokenize(source, cursor, s), s), "max ( 1 , 5 ; 2 )");
    EXPECT_EQ(code(tokenize(source, cursor, s)[2]), Token::Digit0 + 1);
    EXPECT_EQ(code(tokenize(source, cursor, s)[3]), Token::DecimalPoint);
}

} // namespace
