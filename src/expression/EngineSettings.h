#pragma once
// The settings that the compiler and the evaluator read at every compile or evaluation.
// The program holds one instance; tests make their own.

namespace tarlix {

struct EngineSettings {
    int angleMode = 1;  // 1 radians, 2 degrees
    int logMode = 2;    // one-argument log: 2 natural, 1 common
    int angleArea = 1;  // arg: 1 gives [0, 2pi), otherwise (-pi, pi]
    int circleMode = 1; // 1 negative radius allowed, 2 not
    int thetaMode = 1;  // 1: theta is the polar angle of (x, y) in relations and user functions
    bool complexMode = false;    // pairs multiply as complex numbers; reals and pairs mix
    bool allowSqrtN = false;     // with ComplexMode, square roots of negative reals are imaginary
    int integralPartitions = 40; // even, 2..200

    char decimalChar = '.';       // the locale's decimal separator
    char listSeparatorChar = ','; // "," when DecimalChar is ".", otherwise ";"
};

} // namespace tarlix
