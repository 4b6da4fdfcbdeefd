#pragma once
// The report a CSV import shows before it changes anything: the summary, the
// channels it will set and the rows it skips or changes, in the language
// shown, also after a language switch while it is open. OK applies the
// import, Cancel and the close box change nothing; a plan that sets no
// channel has no OK.

#include "interchange/CsvImport.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace q716 {

class ImportReportDialog : public QDialog {
    Q_OBJECT
  public:
    // `languageCode` is the program's, read whenever the texts are written.
    ImportReportDialog(const int& languageCode, QWidget* mainWindow);

    void showPlan(const CsvImportPlan& plan);
    // Writes the summary, the channels and the issues in the language shown.
    void retranslate();

    QLabel* Label3 = nullptr; // summary
    QLabel* Label1 = nullptr;
    QTableWidget* Grid1 = nullptr;
    QLabel* Label2 = nullptr;
    QListWidget* List1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

  private:
    const int& languageCode_;
    CsvImportPlan plan_;
};

} // namespace q716
