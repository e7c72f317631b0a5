// One lesson as a line of text, for `zelkora-cli lessons`:
//   number TAB title TAB starting SFEN TAB main line
// The main line lists both sides' moves in order, separated by ';', each as
// "fx fy tx ty before after": the form of the `moves` listing (a drop reads
// fx 11 or -1 and fy the kind index) with the piece code after the move, so a
// promotion shows. The title is the Japanese one.
#pragma once

#include <string>

namespace zelkora {

// The line of lessonTable()[index], without a line end.
std::string lessonLine(int index);

}  // namespace zelkora
