#include "ctablist.h"

#include <QFrame>
#include <QPushButton>

#include "codlistbox.h"
#include "dialogunits.h"

namespace quorix {

CTabList::CTabList(ProgramCore& core, const DatabaseReaders& readers, const QFont& hebrewFont, QWidget* mainList,
                   QWidget* parent)
    : QDialog(parent), core_(core), mainList_(mainList) {
  setWindowTitle(QStringLiteral("Table List"));
  const DialogUnits du = DialogUnits::shellDlg8();
  setFixedSize(du.size(163, 171));

  listState_.tableListOpen = true;
  listState_.leftAlignedList = true;
  model_ = std::make_unique<VirtualList>(listState_, readers, *this);
  list_ = new CODListBox(
      *model_, listState_,
      [this](int row) {
        const ListEntry entry = model_->rowEntry(row);
        return entry < rows_.size() ? rows_[entry].text : std::string();
      },
      this);
  list_->setGeometry(du.rect(0, 0, 163, 147));
  list_->setFont(hebrewFont);
  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setGeometry(du.rect(0, 148, 163, 1).adjusted(0, 0, 0, 1));
  auto* ok = new QPushButton(QStringLiteral("Ok"), this);
  ok->setGeometry(du.rect(53, 154, 50, 14));
  ok->setDefault(true);
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  close->setGeometry(du.rect(107, 154, 50, 14));
  connect(ok, &QPushButton::clicked, this, &CTabList::accept);
  connect(close, &QPushButton::clicked, this, &CTabList::reject);

  // The main list is not repainted while the dialog is open.
  if (mainList_ != nullptr) mainList_->setUpdatesEnabled(false);
  ProgramState& state = core_.state();
  state.tableListOpen = true;
  state.leftAlignedList = true;

  if (state.currentBinyan != 0) rows_ = tableListRows(readers.verbs);
  for (std::uint32_t i = 0; i < rows_.size(); ++i) model_->addEntry(i, i);
  model_->setClientHeight(list_->clientHeight());
  model_->commitEntries(static_cast<std::uint32_t>(rows_.size()));
  selectRow(preselectedRow(rows_, state.currentTable));
  list_->setFocus();
}

CTabList::~CTabList() { leave(); }

void CTabList::redrawList() { list_->refresh(); }

int CTabList::selectedRow() const {
  const auto entry = model_->selectedEntry();
  return entry ? static_cast<int>(*entry) : -1;
}

void CTabList::selectRow(int row) {
  if (row < 0 || row >= static_cast<int>(rows_.size())) return;
  const int lastTop = std::max(0, static_cast<int>(rows_.size()) - model_->rowCount());
  const int top = std::min(row, lastTop);
  model_->scroll(ScrollCode::ThumbPosition, top);
  model_->scroll(ScrollCode::EndScroll);
  model_->selectRow(row - top);
  list_->refresh();
}

void CTabList::leave() {
  if (left_) return;
  left_ = true;
  core_.state().tableListOpen = false;
  core_.state().leftAlignedList = false;
  if (mainList_ != nullptr) mainList_->setUpdatesEnabled(true);
}

void CTabList::accept() {
  const int row = selectedRow();
  if (row < 0) {
    reject();
    return;
  }
  leave();
  core_.pickTable(tableNumberOfRow(rows_[static_cast<std::size_t>(row)].text));
  QDialog::accept();
}

void CTabList::reject() {
  leave();
  QDialog::reject();
}

}  // namespace quorix
