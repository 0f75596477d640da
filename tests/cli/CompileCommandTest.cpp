#include "cli/Commands.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace tarlix::cli;

TEST(CompileCommand, PrintsSourceAndCodeOrTheMessages) {
    std::ostringstream out, err;
    EXPECT_EQ(runCli({"compile", "--mode", "0",
                      "r\xC2\xB7"
                      "2=\xCE\xB8"},
                     out, err),
              0)
        << err.str();
    EXPECT_EQ(out.str(), "r\xC2\xB7"
                         "2=\xCE\xB8\n"
                         "x y 2 len 2 \xC2\xB7 x y 2 arg - 0 = 1 -\n");

    std::ostringstream out2, err2;
    EXPECT_EQ(runCli({"compile", "--", "--x"}, out2, err2), 1);
    EXPECT_TRUE(out2.str().empty());
    EXPECT_EQ(err2.str(), "El uso de signos de operaci\xC3\xB3n (+,-,*,/,^) es ilegal.\n");

    std::ostringstream out3, err3;
    EXPECT_EQ(runCli({"compile", "--mode", "23", "x"}, out3, err3), 2);
    EXPECT_FALSE(err3.str().empty());
}
