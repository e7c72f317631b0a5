// lessons: the lessons of "入門", one line each (see lessons/lesson_line.h).
//
//   zelkora-cli lessons
#include <ostream>

#include "cli/commands.h"
#include "lessons/lesson_line.h"
#include "lessons/lesson_table.h"

namespace zelkora::cli {

int lessonsCommand(const Args& args, std::istream&, std::ostream& out, std::ostream& err) {
    if (!args.empty()) {
        err << "zelkora-cli lessons takes no arguments\n";
        return 2;
    }
    for (std::size_t i = 0; i < lessonTable().size(); ++i) out << lessonLine(static_cast<int>(i)) << '\n';
    return 0;
}

}  // namespace zelkora::cli
