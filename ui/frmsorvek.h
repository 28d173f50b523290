// The one window of the program: the three inputs, the quality table and the twenty results.
#pragma once

#include <QWidget>
#include <array>

#include "recalculate.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class Panel3D;

class frmSorvek : public QWidget {
    Q_OBJECT

  public:
    explicit frmSorvek(QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    using Row = std::array<Panel3D*, tollvane::kQualityRows>;

    void createOptionsStrip();
    void createHeadingsStrip();
    // Fills a quality row's strip; returns its row label.
    QLabel* createRowStrip(std::size_t row, Panel3D* strip, int labelNumber, bool windowTextColor);
    void applyFonts();

    // Reads the inputs and the quality table from the controls and rewrites every result cell.
    void RefreshResults();

    // The window's four events; each only refreshes.
    void Load();
    void chkCompressionClick();
    void HDSizeGBChange();
    void SongLengthLChange();

    bool centred_ = false;

    // The strips, top to bottom: options, headings, then one per quality row.
    Panel3D* Panel3D3;
    Panel3D* Panel3D2;
    Panel3D* Panel3D1;
    Panel3D* Panel3D4;
    Panel3D* Panel3D5;
    Panel3D* Panel3D6;
    Panel3D* Panel3D7;

    // The inputs, in the options strip.
    QCheckBox* chkCompression;
    QLabel* Label7;  // "HD Size (GB)"
    QLineEdit* HDSizeGB;
    QLabel* Label5;  // "Song Length (min)"
    QLineEdit* SongLengthL;

    // Column headings.
    QLabel* Label2;  // "Quality"
    QLabel* Label3;  // "kHz"
    QLabel* Label4;  // "Per hour"
    QLabel* Label8;  // "Number of Hours?"
    QLabel* Label6;  // "Number of Songs?"

    // Row labels, rows 0 to 4, and the same five as an array for the refresh.
    QLabel* Label1;
    QLabel* Label9;
    QLabel* Label10;
    QLabel* Label11;
    QLabel* Label12;
    std::array<QLabel*, tollvane::kQualityRows> rowLabels_;

    // Per row: the bytes per sample frame (never shown), the rate, and the four results.
    std::array<QLabel*, tollvane::kQualityRows> MultipleFactorL;
    Row rateP;
    Row PerHourP;
    Row PerHourgP;
    Row OneGBP;
    Row SongPerGP;
};
