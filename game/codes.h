// Piece codes, turn tags and the other fixed numbers every part of the game uses.
//
// A piece code is signed: the lower side (bottom of the screen, the human against
// the computer) is negative, the upper side (top, the computer) positive, an empty
// square 0. Promotion moves a code one step away from zero. The codes double as the
// computer's piece values and as the strength order of compulsory capture, so their
// numeric order matters everywhere.
#pragma once

namespace zelkora {

// Results of every rule test and probe.
constexpr int YES = 1;
constexpr int NO = 0;

constexpr int BOARD_SIZE = 9;
constexpr int EMPTY = 0;
constexpr int NOBODY = -1;

// Turn tags: the player who moves first and the one who moves second.
constexpr int SENTE = 6;
constexpr int GOTE = 7;

// Game modes.
constexpr int MODE_NONE = -1;
constexpr int MODE_MAN = 0;   // two humans
constexpr int MODE_COM = 1;   // against the computer
// A lesson of "入門": the player moves, the lesson answers (lessons/lesson_run.h);
// the click handler hands the turn to nobody, 待った and ヒント work as
// against the computer.
constexpr int MODE_LESSON = 2;

// The computer's levels are 1 to TOP_LEVEL (menu items LEVEL1..LEVEL6).
constexpr int TOP_LEVEL = 6;

// Mouse buttons.
constexpr int LEFT_BUTTON = 1;
constexpr int RIGHT_BUTTON = 2;

// Hand columns: a move from one of these columns is a drop.
constexpr int LOWER_HAND_X = 11;
constexpr int UPPER_HAND_X = -1;

// Upper side (UE).
constexpr int UE_HU = 10, UE_TO = 11;
constexpr int UE_KYOU = 20, UE_NARIKYOU = 21;
constexpr int UE_KEI = 30, UE_NARIKEI = 31;
constexpr int UE_GIN = 100, UE_NARIGIN = 101;
constexpr int UE_KIN = 110;
constexpr int UE_KAKU = 800, UE_UMA = 801;
constexpr int UE_SYA = 900, UE_RYU = 901;
constexpr int UE_OU = 950;

// Lower side (SITA).
constexpr int SITA_HU = -10, SITA_TO = -11;
constexpr int SITA_KYOU = -20, SITA_NARIKYOU = -21;
constexpr int SITA_KEI = -30, SITA_NARIKEI = -31;
constexpr int SITA_GIN = -100, SITA_NARIGIN = -101;
constexpr int SITA_KIN = -110;
constexpr int SITA_KAKU = -800, SITA_UMA = -801;
constexpr int SITA_SYA = -900, SITA_RYU = -901;
constexpr int SITA_OU = -950;

// "Nothing recorded" in the influence map.
constexpr int NONE_HIGH = 999;
constexpr int NONE_LOW = -999;

inline bool isLower(int code) { return code <= -10; }
inline bool isUpper(int code) { return code >= 10; }

// Hand kind index 1..7 (pawn, lance, knight, silver, gold, bishop, rook) of a
// code of either side, promoted or not; 0 for kings, empty and unknown codes.
int handKind(int code);
// The unpromoted code of hand kind k (1..7) for the upper side (positive);
// negate it for the lower side.
int kindCode(int kind);

// Palette colours the game uses by role.
constexpr int COLOUR_BLACK = 0;
constexpr int COLOUR_GREEN = 2;        // window background, outlines, board grid
constexpr int COLOUR_HINT = 11;        // outlines of a hint's source and target
constexpr int COLOUR_SELECTED = 12;    // outline of a selected source; hand counts
constexpr int COLOUR_LOOKAHEAD = 13;   // targets that start a chain of forced captures
constexpr int COLOUR_YELLOW = 14;      // coordinate labels
constexpr int COLOUR_WHITE = 15;       // texts, guidance highlight, capturable squares
constexpr int COLOUR_CURSOR = 9;       // the keyboard cursor (bright blue, framed in black)

// Picture codes besides the piece codes.
constexpr int PIC_ZELKORA = 1;
constexpr int PIC_MIDORI = 2;
constexpr int PIC_TATAMI = 3;
constexpr int PIC_TAKE = 4;
constexpr int PIC_UCHU = 5;
constexpr int PIC_RENGA = 6;

}  // namespace zelkora
