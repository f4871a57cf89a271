#pragma once

#include <cstdint>

// Choices are kept, in the model, the document file and the settings, as the numbers of
// the controls or texts that name them; 0 stands for a choice not yet made.

inline constexpr int32_t kUnitsMillimetres = 0;
inline constexpr int32_t kUnitsInches = 1;

inline constexpr int32_t kTreeNeedleLeaved = 1034;
inline constexpr int32_t kTreeDeciduous = 1035;

inline constexpr int32_t kRoofGable = 1043;       // two slopes meeting in a ridge
inline constexpr int32_t kRoofFlatTopped = 1044;  // sloping sides with a flat top; uses the angle
inline constexpr int32_t kRoofLeanTo = 1045;      // one slope from side to side
inline constexpr int32_t kRoofNone = 1046;
inline constexpr int32_t kRoofHipped = 1047;            // four slopes; a pyramid on a square block
inline constexpr int32_t kRoofHalfHipped = 1048;        // a ridge roof with small hips above half-height gables
inline constexpr int32_t kRoofFlatToppedHipped = 1049;  // sloping sides all round a flat top; uses the angle

inline constexpr int32_t kRoofOrientation0 = 1051;
inline constexpr int32_t kRoofOrientation90 = 1052;
inline constexpr int32_t kRoofOrientation180 = 1053;
inline constexpr int32_t kRoofOrientation270 = 1054;

inline constexpr int32_t kWallFront = 1065;
inline constexpr int32_t kWallRear = 1066;
inline constexpr int32_t kWallLeft = 1067;
inline constexpr int32_t kWallRight = 1068;

inline constexpr int32_t kDecorationBaseA = 1071; // rectangular top
inline constexpr int32_t kDecorationBaseB = 1072; // arched top

inline constexpr int32_t kDecorationDoor = 1076;
inline constexpr int32_t kDecorationDoorWithWindow = 1077;
inline constexpr int32_t kDecorationWindow = 1078;

inline constexpr int32_t kCoverNone = 1093;
inline constexpr int32_t kCoverPitched = 1094;     // poles along both edges
inline constexpr int32_t kCoverVShaped = 1095;     // one middle row of poles
inline constexpr int32_t kCoverArched = 1096;      // poles along both edges
inline constexpr int32_t kCoverSinglePitch = 1097; // poles along both edges

inline constexpr int32_t kPoleRound = 1102;
inline constexpr int32_t kPoleSquare = 1103;

inline constexpr int32_t kLanguageDefault = 106;
inline constexpr int32_t kLanguageGerman = 108;
inline constexpr int32_t kLanguageFrench = 110;
inline constexpr int32_t kLanguageEnglish = 112;
inline constexpr int32_t kLanguageDutch = 154;

inline constexpr int32_t kWinrail5 = 156;
inline constexpr int32_t kWinrail6 = 157;

// Numbers of texts the program stores or shows by number.
inline constexpr int32_t kTextInch = 102;
inline constexpr int32_t kTextMm = 103;
