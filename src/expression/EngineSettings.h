#pragma once
// The settings that the compiler and the evaluator read at every compile or evaluation.
// The program holds one instance; tests make their own.

namespace tarlix {

// The engine's choices, numbered as project files and the settings store keep them.
enum class AngleMode { Radians = 1, Degrees = 2 };
// What the one-argument log is.
enum class LogMode { Common = 1, Natural = 2 };
// The range of arg; a number other than 1 read from the settings store means the second.
enum class AngleArea { ZeroToTwoPi = 1, MinusPiToPi = 2 };
// Whether a circle or polar curve may have a negative radius.
enum class CircleMode { NegativeRadiusAllowed = 1, NegativeRadiusUndefined = 2 };
// What theta stands for in relations and user functions: the polar angle of (x, y), or the
// parameter theta.
enum class ThetaMode { PolarAngle = 1, Parameter = 2 };

struct EngineSettings {
    AngleMode angleMode = AngleMode::Radians;
    LogMode logMode = LogMode::Natural;
    AngleArea angleArea = AngleArea::ZeroToTwoPi;
    CircleMode circleMode = CircleMode::NegativeRadiusAllowed;
    ThetaMode thetaMode = ThetaMode::PolarAngle;
    bool complexMode = false;    // pairs multiply as complex numbers; reals and pairs mix
    bool allowSqrtN = false;     // with ComplexMode, square roots of negative reals are imaginary
    int integralPartitions = 40; // even, 2..200

    char decimalChar = '.';       // the locale's decimal separator
    char listSeparatorChar = ','; // "," when DecimalChar is ".", otherwise ";"
};

} // namespace tarlix
