#pragma once
// The modal "Table List" dialog: every conjugation table with its root pattern, the current table
// preselected. Ok makes the selected table the current one and lists its verbs; Close (and the
// window's close box) changes nothing. With no row selected (no verb shown yet, so the list is
// empty) Ok does what Close does.
//
// While it is open the program's tableListOpen and leftAlignedList are set and the main verb list
// is not repainted; every way of closing clears both and lets the main list paint again.
//
// Lifetime: exists for one run of the Verbs Inside One Table command; the core and the main list
// must outlive it. Threads: user-interface thread only.

#include <QDialog>
#include <memory>
#include <vector>

#include "lists/virtuallist.h"
#include "lists/virtuallistlistener.h"
#include "pages/programcore.h"
#include "tablepatterns.h"

namespace quorix {

class CODListBox;

class CTabList : public QDialog, public VirtualListListener {
  Q_OBJECT

 public:
  CTabList(ProgramCore& core, const DatabaseReaders& readers, const QFont& hebrewFont, QWidget* mainList,
           QWidget* parent);
  ~CTabList() override;

  // The dialog's rows and selection, for tests.
  const std::vector<TableListRow>& rows() const { return rows_; }
  int selectedRow() const;
  void selectRow(int row);

 public slots:
  void accept() override;
  void reject() override;

 private:
  // VirtualListListener: the dialog's own list model tells the dialog.
  void redrawList() override;
  void showSelectedVerb() override {}
  void forgetSavedRowLink() override { core_.page().savedRowLink.clear(); }
  void leave();

  ProgramCore& core_;
  QWidget* mainList_;  // not owned
  // The dialog list's own flags: its drawing reads them, and its scrolling must not touch the
  // program's thumb tracking.
  ProgramState listState_;
  std::vector<TableListRow> rows_;
  std::unique_ptr<VirtualList> model_;  // entries are row numbers
  CODListBox* list_;                    // child widget
  bool left_ = false;
};

}  // namespace quorix
