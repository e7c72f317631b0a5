// Placeholder until the record panel is implemented: no controls.
#include "display/qt/record_panel.h"

namespace zelkora {

struct RecordPanelWidgets::Impl {};

RecordPanelWidgets::RecordPanelWidgets(QWidget*, Dialogs&, std::function<int(double)>) : d(new Impl) {}
RecordPanelWidgets::~RecordPanelWidgets() { delete d; }
void RecordPanelWidgets::setListsVisible(bool, bool, bool) {}
void RecordPanelWidgets::setTextGroupVisible(bool) {}
void RecordPanelWidgets::clearTexts() {}
std::string RecordPanelWidgets::text(int) const { return {}; }
std::string RecordPanelWidgets::folder() const { return "."; }
void RecordPanelWidgets::refreshFiles() {}
QWidget* RecordPanelWidgets::control(const std::string&) const { return nullptr; }

}  // namespace zelkora
