#pragma once
// Module-level values of the system that the codec fills and reads besides
// the channel tables and the controls: the FM values (Overview of the Parts;
// edited by Form5, Part 4.106) and the power grades (Part 4.105). Plain data,
// owned by the object of a program run. Both models hold them alike.

#include <array>
#include <string>

namespace qav {

// FM broadcast channels in the radio (both models).
inline constexpr int kFmChannelCount = 32;

struct FmValues {
    int FmChannelNo = 0;      // current FM channel, 1..32 (shown in Form5.Combo1(0))
    int FmDisplayMode = 0;    // list index of Form5.Combo1(1): 0 channel, 1 frequency
    int FmStep = 0;           // list index of Form5.Combo1(2): 0 50K, 1 100K, 2 200K
    std::string FmFrequency;  // frequency of the frequency mode (Form5.Text2), "" none
    std::array<std::string, kFmChannelCount> FmChannelFreq;  // channel k at [k-1], "" empty

    friend bool operator==(const FmValues&, const FmValues&) = default;
};

// Indexes of PowerGrades (Part 4.105).
enum PowerGradeIndex : int {
    HighPowerHighGrade = 0,
    HighPowerMidGrade = 1,
    HighPowerLowGrade = 2,
    LowPowerHighGrade = 3,
    LowPowerMidGrade = 4,
};

struct PowerGradeValues {
    std::array<int, 5> PowerGrades{};  // by PowerGradeIndex, each 0..255
    int LowPowerLowGrade = 0;          // 0..255

    friend bool operator==(const PowerGradeValues&, const PowerGradeValues&) = default;
};

}  // namespace qav
