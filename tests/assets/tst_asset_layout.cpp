// SPDX-License-Identifier: MIT
// The pictures against the windows that show them: the board grid around the cells as start-up
// places them, clear white where controls with a white background stand, light behind black
// labels, dark behind the result window's white name, and the letters' colours.
#include <QColor>
#include <QImage>
#include <QTest>

#include <cmath>

namespace {

QImage picture(const QString &name) {
    return QImage(QStringLiteral(":/pictures/") + name).convertToFormat(QImage::Format_RGB32);
}

bool isWhite(QRgb c) {
    return qRed(c) >= 250 && qGreen(c) >= 250 && qBlue(c) >= 250;
}

// A pixel of the thin grey grid: neutral, clearly darker than the white squares.
bool isGridGrey(QRgb c) {
    return qMax(qRed(c), qMax(qGreen(c), qBlue(c))) < 215 &&
           qMax(qRed(c), qMax(qGreen(c), qBlue(c))) - qMin(qRed(c), qMin(qGreen(c), qBlue(c))) < 30;
}

// Relative luminance of an sRGB colour, 0 for black to 1 for white.
double luminance(QRgb c) {
    auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
}

double meanLuminance(const QImage &img, const QRect &area) {
    const QRect r = area.intersected(img.rect());
    double sum = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) sum += luminance(img.pixel(x, y));
    return sum / (r.width() * r.height());
}

int nonWhitePixels(const QImage &img, const QRect &area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (!isWhite(img.pixel(x, y))) ++n;
    return n;
}

// Grid lines met along one row (vertical lines) or one column (horizontal lines), each run of
// grey pixels counted once at its first pixel.
QList<int> gridLines(const QImage &img, bool vertical, int across) {
    QList<int> lines;
    bool inLine = false;
    for (int i = 0; i < 360; ++i) {
        const bool grey = isGridGrey(vertical ? img.pixel(i, across) : img.pixel(across, i));
        if (grey && !inLine) lines.append(i);
        inLine = grey;
    }
    return lines;
}

// Start-up places cell (row, column) at these twips; the window shows them at twips / 15.
int cellLeft(int column) {
    return qRound((160 + 575.0 * (column - 1)) / 15);
}
int cellTop(int row) {
    return qRound((130 + 575.0 * (row - 1)) / 15);
}
constexpr int kLetterWidth = 33;
constexpr int kLetterHeight = 34;

}  // namespace

class TestAssetLayout : public QObject {
    Q_OBJECT

private slots:
    void gridLines_data();
    void gridLines();
    void cellsSitInsideTheirSquares_data();
    void cellsSitInsideTheirSquares();
    void whiteUnderWhiteControls_data();
    void whiteUnderWhiteControls();
    void lightBehindBlackLabels_data();
    void lightBehindBlackLabels();
    void optionsCaptionsBesideTheirRows_data();
    void optionsCaptionsBesideTheirRows();
    void darkBehindWinnerName_data();
    void darkBehindWinnerName();
    void letterColours_data();
    void letterColours();
};

void TestAssetLayout::gridLines_data() {
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<int>("across");
    // Scanned through the middle of the first square and of the last.
    QTest::newRow("vertical lines, top row") << true << 25;
    QTest::newRow("vertical lines, bottom row") << true << 333;
    QTest::newRow("horizontal lines, left column") << false << 25;
    QTest::newRow("horizontal lines, right column") << false << 333;
}

void TestAssetLayout::gridLines() {
    QFETCH(bool, vertical);
    QFETCH(int, across);
    const QList<QList<int>> allowed{{6},   {44},  {83},  {121}, {159, 160},
                                    {198}, {236}, {275}, {313}, {351, 352}};
    const QList<int> lines = ::gridLines(picture("background.bmp"), vertical, across);
    QCOMPARE(lines.size(), allowed.size());
    for (int i = 0; i < lines.size(); ++i)
        QVERIFY2(allowed[i].contains(lines[i]),
                 qPrintable(QStringLiteral("line %1 at %2").arg(i).arg(lines[i])));
}

void TestAssetLayout::cellsSitInsideTheirSquares_data() {
    QTest::addColumn<int>("row");
    for (int row = 1; row <= 9; ++row) QTest::addRow("row %d", row) << row;
}

void TestAssetLayout::cellsSitInsideTheirSquares() {
    QFETCH(int, row);
    const QImage bg = picture("background.bmp");
    const QList<int> columns = ::gridLines(bg, true, 25);
    const QList<int> rows = ::gridLines(bg, false, 25);
    QCOMPARE(columns.size(), 10);
    QCOMPARE(rows.size(), 10);
    const int top = cellTop(row);
    QVERIFY(rows[row - 1] < top && top + kLetterHeight - 1 < rows[row]);
    for (int column = 1; column <= 9; ++column) {
        const int left = cellLeft(column);
        QVERIFY2(columns[column - 1] < left && left + kLetterWidth - 1 < columns[column],
                 qPrintable(QStringLiteral("column %1 at %2").arg(column).arg(left)));
        // The letter pictures are on white: what lies under them must be white too.
        QCOMPARE(nonWhitePixels(bg, QRect(left, top, kLetterWidth, kLetterHeight)), 0);
    }
}

void TestAssetLayout::whiteUnderWhiteControls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("area");
    // The buttons' normal look is black script on white.
    QTest::newRow("tombol(0)") << "background.bmp" << QRect(368, 96, 150, 45);
    QTest::newRow("tombol(1)") << "background.bmp" << QRect(368, 144, 150, 45);
    QTest::newRow("tombol(2)") << "background.bmp" << QRect(368, 192, 150, 45);
    // Options controls with an opaque white background or black text on none.
    QTest::newRow("mode1(1)") << "options_background.gif" << QRect(144, 72, 58, 17);
    QTest::newRow("mode1(2)") << "options_background.gif" << QRect(208, 72, 76, 17);
    QTest::newRow("Check2") << "options_background.gif" << QRect(248, 88, 81, 33);
    QTest::newRow("Option1(1)") << "options_background.gif" << QRect(144, 160, 25, 17);
    QTest::newRow("Option1(2)") << "options_background.gif" << QRect(176, 160, 33, 17);
}

void TestAssetLayout::whiteUnderWhiteControls() {
    QFETCH(QString, name);
    QFETCH(QRect, area);
    QCOMPARE(nonWhitePixels(picture(name), area), 0);
}

void TestAssetLayout::lightBehindBlackLabels_data() {
    QTest::addColumn<QRect>("area");
    // namalbl and Scorelbl in two rows; giliranlbl and timelbl along the bottom.
    QTest::newRow("player panel") << QRect(376, 272, 140, 30);
    QTest::newRow("turn label") << QRect(224, 368, 200, 24);
    QTest::newRow("clock label") << QRect(448, 368, 75, 24);
}

void TestAssetLayout::lightBehindBlackLabels() {
    QFETCH(QRect, area);
    // Black text on it keeps a contrast of at least 7:1.
    QVERIFY(meanLuminance(picture("background.bmp"), area) >= 0.30);
}

void TestAssetLayout::optionsCaptionsBesideTheirRows_data() {
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("height");
    QTest::newRow("game mode") << 72 << 17;
    QTest::newRow("score target") << 93 << 19;
    QTest::newRow("player 1") << 112 << 19;
    QTest::newRow("player 2") << 136 << 19;
    QTest::newRow("sound") << 160 << 17;
}

void TestAssetLayout::optionsCaptionsBesideTheirRows() {
    QFETCH(int, top);
    QFETCH(int, height);
    const QImage bg = picture("options_background.gif");
    // Lettering left of the controls, vertically within the row's controls.
    QVERIFY(nonWhitePixels(bg, QRect(4, top, 112, height)) > 40);
}

void TestAssetLayout::darkBehindWinnerName_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("winner") << "result_winner.bmp";
    QTest::newRow("loser") << "result_loser.bmp";
    QTest::newRow("no winner") << "result_draw.bmp";
    QTest::newRow("result window") << "result_initial.bmp";
}

void TestAssetLayout::darkBehindWinnerName() {
    QFETCH(QString, name);
    // Label1 (248, 56, 225 x 42) writes the name in white: keep a contrast of 4.5:1 or more.
    const double background = meanLuminance(picture(name), QRect(248, 56, 225, 42));
    QVERIFY2((1.0 + 0.05) / (background + 0.05) >= 4.5,
             qPrintable(QStringLiteral("luminance %1").arg(background)));
}

void TestAssetLayout::letterColours_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("blue");
    QTest::newRow("S") << "letter_s.bmp" << true;
    QTest::newRow("O") << "letter_o.bmp" << false;
}

void TestAssetLayout::letterColours() {
    QFETCH(QString, name);
    QFETCH(bool, blue);
    const QImage img = picture(name);
    // On white: the corners are white, where the cell's own white would show.
    for (const QPoint pt : {QPoint(0, 0), QPoint(32, 0), QPoint(0, 33), QPoint(32, 33)})
        QVERIFY(isWhite(img.pixel(pt)));
    qint64 blueExcess = 0;
    int inked = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            if (isWhite(c)) continue;
            ++inked;
            blueExcess += qBlue(c) - qRed(c);
        }
    QVERIFY(inked > 33 * 34 / 4);
    if (blue)
        QVERIFY(blueExcess / inked > 60);
    else
        QVERIFY(-blueExcess / inked > 60);
}

QTEST_GUILESS_MAIN(TestAssetLayout)
#include "tst_asset_layout.moc"
