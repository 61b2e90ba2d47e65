#pragma once
// The widgets of the selection screen, one per control of the screen model, each with the control's
// name as its objectName (and its group index, if any, in the "index" property), its fixed caption
// and its place. They show the model; the window wires them to it.

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <array>

namespace kv::gui {

struct ScreenWidgets {
    QLabel* yearLabel = nullptr;  // Label1(1)
    QListWidget* ListMesi = nullptr;
    QCheckBox* CheckTutti = nullptr;
    std::array<QRadioButton*, 2> OptionAnno{};    // by index: (0) Precedente, (1) Corrente
    std::array<QRadioButton*, 4> OptionDoc{};
    std::array<QRadioButton*, 2> OptionStampa{};  // (0) Stampa Laser, (1) Crea PDF
    QGroupBox* FrameData = nullptr;
    QLineEdit* txtdata = nullptr;
    QListWidget* ListAzi = nullptr;
    QCheckBox* CheckAzi = nullptr;
    std::array<QRadioButton*, 2> OptOrdListAzi{};  // (0) Codice, (1) Ragione Sociale
    QCheckBox* CheckNonSovrascrivere = nullptr;    // number new PDF files instead of replacing old ones
    QCheckBox* CheckPdfA = nullptr;                // PDF/A-2b files, for keeping
    QGroupBox* Frame12 = nullptr;                  // the wait panel
    QProgressBar* progress = nullptr;              // in the wait panel: how far the report has gone
    QPushButton* CmdAnnulla = nullptr;             // in the wait panel
    QPushButton* CmdConferma = nullptr;
    QPushButton* CmdUscita = nullptr;
};

// Makes every control of the screen inside `window`, sized and placed as the screen is designed.
ScreenWidgets BuildScreenWidgets(QWidget* window);

// The widget of a control by name and group index (-1 for a single control); nullptr if none.
QWidget* FindControl(QWidget* window, const QString& name, int index = -1);

}  // namespace kv::gui
