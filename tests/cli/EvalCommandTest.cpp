#include "cli/Commands.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace tarlix::cli;

namespace {
struct EvalCase {
    std::vector<std::string> args;
    int status;
    const char* out;
};
} // namespace

TEST(EvalCommand, PrintsTheCalculatorsResultOrTheMessages) {
    const EvalCase cases[] = {
        {{"1/3"}, 0, "0.333333333333333\n"},
        {{"x+1"}, 0, "error\n"},
        {{"(1,2)"}, 0, "(1,2)\n"},
        {{"2^70"}, 0, "1.18059162071741*10^(21)\n"},
        {{"--param", "\xCE\xB8=2", "--param", "a=3", "\xCE\xB8 a"}, 0, "6\n"},
        {{"--def", "f=x^2+a", "--param", "a=1", "--def", "y3=2x", "--def", "Q=(2,f(3))",
          "Q.y+Igr(x,0,1,y3)"},
         0,
         "11\n"},
        {{"--set", "LogMode=1", "log 1000"}, 0, "3\n"},
        // A new project's parameters: theta at 0, the others at 1.
        {{"a+b"}, 0, "2\n"},
        {{"\xCE\xB8+k"}, 0, "1\n"},
        {{"--param", "b=5", "a+b"}, 0, "6\n"},
        {{"--", "--x"}, 1, ""},
        {{"--def", "f=x+", "1"}, 1, ""},
        {{"--param", "z=1", "1"}, 2, ""},
        {{"--def", "y21=x", "1"}, 2, ""},
        {{"1", "2"}, 2, ""},
    };
    for (const EvalCase& c : cases) {
        std::vector<std::string> args{"eval"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        std::ostringstream out, err;
        EXPECT_EQ(runCli(args, out, err), c.status) << args.back() << ": " << err.str();
        EXPECT_EQ(out.str(), c.out) << args.back();
        EXPECT_EQ(err.str().empty(), c.status == 0) << args.back();
    }
}
