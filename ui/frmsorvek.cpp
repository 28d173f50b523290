#include "frmsorvek.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QShowEvent>
#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

#include "hidden_label.h"
#include "panel3d.h"

namespace {

// The layout is given in twips, 15 to a pixel at 96 dpi. Qt's device-independent pixels are those
// pixels, so high-DPI scaling keeps the proportions.
constexpr int kTwipsPerPixel = 15;

constexpr int Px(int twips) {
    return twips / kTwipsPerPixel;
}

constexpr QRect Twips(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

constexpr QSize kClientSize(Px(8100), Px(2715));

// Every strip spans the window but for its margins; the row strips are evenly spaced.
constexpr QRect Strip(int top, int height) {
    return Twips(60, top, 7995, height);
}
constexpr QRect RowStrip(int row) {
    return Strip(900 + 360 * row, 315);
}

// 8.25 pt at 96 dpi. Pixel sizes keep text in proportion to the fixed layout at any logical dpi.
constexpr int kFontPixels = 11;
// Below this a caption would no longer be readable; fonts are not shrunk further to fit.
constexpr int kSmallestFontPixels = 8;

QFont SansSerif(int pixels, QFont::Weight weight = QFont::Normal) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);  // the desktop's sans serif where it is not installed
    font.setPixelSize(pixels);
    font.setWeight(weight);
    return font;
}

// The largest font, up to kFontPixels, in which every text fits the size of its control. Widths
// grow in proportion to the pixel size, so one measurement says how far to shrink; every size
// measured loads a font of its own, which start-up pays for.
QFont FittingFont(const std::vector<std::pair<QString, QSize>>& texts) {
    int pixels = kFontPixels;
    while (pixels > kSmallestFontPixels) {
        const QFontMetrics metrics(SansSerif(pixels));
        double scale = 1.0;
        for (const auto& [text, size] : texts) {
            const int width = metrics.horizontalAdvance(text);
            if (width > 0) scale = std::min(scale, double(size.width()) / width);
            scale = std::min(scale, double(size.height()) / metrics.height());
        }
        if (scale >= 1.0) break;
        pixels = std::min(pixels - 1, static_cast<int>(pixels * scale));
    }
    return SansSerif(std::max(pixels, kSmallestFontPixels));
}

QLabel* MakeLabel(const QString& objectName, const QString& caption, const QRect& geometry,
                  QWidget* parent, bool windowTextColor = true) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(objectName);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    if (windowTextColor) label->setForegroundRole(QPalette::WindowText);
    return label;
}

// A text box with no length limit (Qt's default is 32767) that filters nothing.
QLineEdit* MakeTextBox(const QString& objectName, const QString& text, const QRect& geometry,
                       const QString& accessibleName, QWidget* parent) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(objectName);
    box->setGeometry(geometry);
    box->setAccessibleName(accessibleName);
    box->setMaxLength(std::numeric_limits<int>::max());
    // White, as on a light desktop; a dark desktop keeps its own field colours.
    if (!IsDarkFace(box->palette())) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, Qt::white);
        box->setPalette(palette);
    }
    return box;
}

Panel3D* MakeStrip(const QString& objectName, const QRect& geometry, QWidget* parent) {
    auto* strip = new Panel3D(Panel3D::Bevel::Raised, parent);
    strip->setObjectName(objectName);
    strip->setGeometry(geometry);
    return strip;
}

}  // namespace

frmSorvek::frmSorvek(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmSorvek"));
    setWindowTitle(QStringLiteral("Tollvane"));
    setFixedSize(kClientSize);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    Panel3D3 = MakeStrip(QStringLiteral("Panel3D3"), Strip(60, 435), this);
    Panel3D2 = MakeStrip(QStringLiteral("Panel3D2"), Strip(540, 315), this);
    Panel3D1 = MakeStrip(QStringLiteral("Panel3D1"), RowStrip(0), this);
    Panel3D4 = MakeStrip(QStringLiteral("Panel3D4"), RowStrip(1), this);
    Panel3D5 = MakeStrip(QStringLiteral("Panel3D5"), RowStrip(2), this);
    Panel3D6 = MakeStrip(QStringLiteral("Panel3D6"), RowStrip(3), this);
    Panel3D7 = MakeStrip(QStringLiteral("Panel3D7"), RowStrip(4), this);

    createOptionsStrip();
    createHeadingsStrip();
    // Label9, Label11 and Label12 keep the toolkit's own label colour.
    Label1 = createRowStrip(0, Panel3D1, 1, true);
    Label9 = createRowStrip(1, Panel3D4, 9, false);
    Label10 = createRowStrip(2, Panel3D5, 10, true);
    Label11 = createRowStrip(3, Panel3D6, 11, false);
    Label12 = createRowStrip(4, Panel3D7, 12, false);

    applyFonts();

    setTabOrder(chkCompression, HDSizeGB);
    setTabOrder(HDSizeGB, SongLengthL);
    chkCompression->setFocus();

    connect(chkCompression, &QCheckBox::clicked, this, &frmSorvek::chkCompressionClick);
    // Every change of the text, typed, deleted, pasted or cut.
    connect(HDSizeGB, &QLineEdit::textChanged, this, &frmSorvek::HDSizeGBChange);
    connect(SongLengthL, &QLineEdit::textChanged, this, &frmSorvek::SongLengthLChange);

    Load();  // the controls exist and the window has not been shown yet
}

void frmSorvek::createOptionsStrip() {
    Panel3D3->setCaption(QStringLiteral(" Options:"));

    chkCompression = new QCheckBox(QStringLiteral("4:1 Compression"), Panel3D3);
    chkCompression->setObjectName(QStringLiteral("chkCompression"));
    chkCompression->setGeometry(Twips(780, 90, 1515, 195));
    chkCompression->setForegroundRole(QPalette::WindowText);

    Label7 = MakeLabel(QStringLiteral("Label7"), QStringLiteral("HD Size (GB)"),
                       Twips(2340, 90, 1035, 195), Panel3D3);
    HDSizeGB = MakeTextBox(QStringLiteral("HDSizeGB"), QStringLiteral("20"),
                           Twips(3360, 60, 615, 285), Label7->text(), Panel3D3);
    Label5 = MakeLabel(QStringLiteral("Label5"), QStringLiteral("Song Length (min)"),
                       Twips(4080, 90, 1395, 195), Panel3D3);
    SongLengthL = MakeTextBox(QStringLiteral("SongLengthL"), QStringLiteral("3.5"),
                              Twips(5520, 60, 495, 285), Label5->text(), Panel3D3);
}

void frmSorvek::createHeadingsStrip() {
    Label2 = MakeLabel(QStringLiteral("Label2"), QStringLiteral("Quality"), Twips(60, 60, 675, 195),
                       Panel3D2);
    Label3 = MakeLabel(QStringLiteral("Label3"), QStringLiteral("kHz"), Twips(1620, 60, 555, 195),
                       Panel3D2);
    Label4 = MakeLabel(QStringLiteral("Label4"), QStringLiteral("Per hour"),
                       Twips(2640, 60, 1875, 195), Panel3D2);
    Label8 = MakeLabel(QStringLiteral("Label8"), QStringLiteral("Number of Hours?"),
                       Twips(5040, 60, 1395, 195), Panel3D2);
    Label6 = MakeLabel(QStringLiteral("Label6"), QStringLiteral("Number of Songs?"),
                       Twips(6480, 60, 1455, 195), Panel3D2);
    Label6->setAlignment(Qt::AlignCenter);
}

QLabel* frmSorvek::createRowStrip(std::size_t row, Panel3D* strip, int labelNumber,
                                  bool windowTextColor) {
    const tollvane::QualityPreset& preset = tollvane::kQualityPresets[row];
    const QString index = QStringLiteral("(%1)").arg(row);

    QLabel* label =
        MakeLabel(QStringLiteral("Label%1").arg(labelNumber), QString::fromStdString(preset.label),
                  Twips(60, 60, 1395, 195), strip, windowTextColor);
    rowLabels_[row] = label;

    // Lies over the right end of the row label, never shown.
    QLabel* frameBytes = new HiddenLabel(QString::fromStdString(preset.frameBytesText), strip);
    frameBytes->setObjectName(QStringLiteral("MultipleFactorL") + index);
    frameBytes->setGeometry(Twips(1380, 60, 195, 195));
    frameBytes->setForegroundRole(QPalette::WindowText);
    frameBytes->setBackgroundRole(QPalette::Base);
    frameBytes->setAutoFillBackground(true);
    MultipleFactorL[row] = frameBytes;

    struct Cell {
        Row* array;
        const char* name;
        QRect geometry;
        Panel3D::CaptionColor color;
        QString column;  // for the accessible description
    };
    const Cell cells[] = {
        {&rateP, "rateP", Twips(1620, 60, 855, 195), Panel3D::CaptionColor::Black,
         QStringLiteral("kHz")},
        {&PerHourP, "PerHourP", Twips(2640, 60, 1095, 195), Panel3D::CaptionColor::Black,
         QStringLiteral("Per hour, MB")},
        {&PerHourgP, "PerHourgP", Twips(3780, 60, 1095, 195), Panel3D::CaptionColor::Black,
         QStringLiteral("Per hour, GB")},
        {&OneGBP, "OneGBP", Twips(5040, 60, 1395, 195), Panel3D::CaptionColor::WindowText,
         QStringLiteral("Number of Hours?")},
        {&SongPerGP, "SongPerGP", Twips(6540, 60, 1395, 195), Panel3D::CaptionColor::Black,
         QStringLiteral("Number of Songs?")},
    };
    for (const Cell& c : cells) {
        auto* cell = new Panel3D(Panel3D::Bevel::Inset, strip);
        cell->setObjectName(QLatin1String(c.name) + index);
        cell->setGeometry(c.geometry);
        cell->setCaptionColor(c.color);
        cell->setCaptionAlignment(Qt::AlignCenter);
        cell->setAccessibleDescription(label->text() + QStringLiteral(", ") + c.column);
        (*c.array)[row] = cell;
    }
    rateP[row]->setCaption(QString::fromStdString(preset.rateText));
    // Placeholders until the first refresh, which runs before the window shows.
    PerHourP[row]->setCaption(QStringLiteral("888.888"));
    PerHourgP[row]->setCaption(QStringLiteral("888.888"));
    return label;
}

void frmSorvek::applyFonts() {
    // Labels, check box and text boxes share the window's font; it shrinks only where a fixed
    // caption would not fit its control.
    std::vector<std::pair<QString, QSize>> captions;
    for (QLabel* label : findChildren<QLabel*>()) {
        if (!qobject_cast<HiddenLabel*>(label)) captions.emplace_back(label->text(), label->size());
    }
    constexpr int kCheckIndicator = 20;  // box and gap before the check box's text
    captions.emplace_back(chkCompression->text(),
                          chkCompression->size() - QSize(kCheckIndicator, 0));
    setFont(FittingFont(captions));

    // The cells and the options caption: the widest ordinary results must fit a 13-pixel cell.
    const QSize cellText = PerHourP[0]->size() - QSize(4, 0);
    const QFont cellFont = FittingFont({{QStringLiteral("888888.88 Mb"), cellText},
                                        {QStringLiteral("8888888888.8"), OneGBP[0]->size()}});
    for (auto* row : {&rateP, &PerHourP, &PerHourgP, &OneGBP, &SongPerGP}) {
        for (Panel3D* cell : *row) cell->setFont(cellFont);
    }
    // The options caption has a font of its own; the inputs on that strip keep the window's.
    Panel3D3->setFont(SansSerif(kFontPixels));
    for (QWidget* input : Panel3D3->findChildren<QWidget*>()) input->setFont(font());
    for (QLabel* frameBytes : MultipleFactorL)
        frameBytes->setFont(SansSerif(kFontPixels, QFont::Bold));
}

void frmSorvek::showEvent(QShowEvent* event) {
    // Centred on its screen the first time it shows; where the user moves it later is theirs.
    if (!centred_ && !event->spontaneous()) {
        centred_ = true;
        // Where the frame is not known yet (X11 before the first map) this centres the client area.
        if (const QScreen* s = screen()) {
            const QRect frame(QPoint(), frameGeometry().size());
            move(s->availableGeometry().center() - frame.center());
        }
    }
    QWidget::showEvent(event);
}

void frmSorvek::RefreshResults() {
    const tollvane::UserInputs inputs{SongLengthL->text().toStdString(),
                                      HDSizeGB->text().toStdString(), chkCompression->isChecked()};

    // The quality table lives in the captions; read it back every time.
    std::array<tollvane::QualityPreset, tollvane::kQualityRows> presets;
    for (std::size_t i = 0; i < tollvane::kQualityRows; ++i) {
        presets[i] = {rowLabels_[i]->text().toStdString(), rateP[i]->caption().toStdString(),
                      MultipleFactorL[i]->text().toStdString()};
    }

    const auto results = tollvane::Recalculate(inputs, presets);
    for (std::size_t i = 0; i < tollvane::kQualityRows; ++i) {
        PerHourP[i]->setCaption(QString::fromStdString(results[i].perHourMb));
        PerHourgP[i]->setCaption(QString::fromStdString(results[i].perHourGb));
        OneGBP[i]->setCaption(QString::fromStdString(results[i].hours));
        SongPerGP[i]->setCaption(QString::fromStdString(results[i].songs));
    }
}

void frmSorvek::Load() {
    RefreshResults();
}
void frmSorvek::chkCompressionClick() {
    RefreshResults();
}
void frmSorvek::HDSizeGBChange() {
    RefreshResults();
}
void frmSorvek::SongLengthLChange() {
    RefreshResults();
}
