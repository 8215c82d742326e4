// SPDX-License-Identifier: MIT
#include "ui/result/form3.h"

#include <QFont>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QStringList>

#include "ui/common/pictures.h"

namespace {

constexpr QSize kWindowSize(480, 388);
constexpr QRect kLabel1Geometry(248, 56, 225, 42);
constexpr qreal kLabel1PointSize = 27.75;

QString pictureFor(game::ResultPicture picture) {
    switch (picture) {
        case game::ResultPicture::Winner:
            return QStringLiteral(":/pictures/result_winner.bmp");
        case game::ResultPicture::Loser:
            return QStringLiteral(":/pictures/result_loser.bmp");
        case game::ResultPicture::Draw:
            return QStringLiteral(":/pictures/result_draw.bmp");
    }
    return {};
}

QString outcomeWords(const QString &name, game::ResultPicture picture) {
    switch (picture) {
        case game::ResultPicture::Winner:
            return QStringLiteral("%1 is the winner").arg(name);
        case game::ResultPicture::Loser:
            return QStringLiteral("%1 is the loser").arg(name);
        case game::ResultPicture::Draw:
            break;
    }
    return QStringLiteral("The game is a draw");
}

// The name label keeps every click to itself, so that clicking the name never reaches the
// window and never closes it.
class NameLabel final : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void mousePressEvent(QMouseEvent *event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent *event) override { event->accept(); }
    void mouseDoubleClickEvent(QMouseEvent *event) override { event->accept(); }
};

}  // namespace

Form3::Form3() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Form3"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(kWindowSize);
    setAccessibleDescription(QStringLiteral("Click to close"));

    // White bold serif text, one line, centred; the label never grows and never elides:
    // whatever does not fit its area is cut off by its edges.
    m_label1 = new NameLabel(this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setGeometry(kLabel1Geometry);
    m_label1->setFixedSize(kLabel1Geometry.size());
    m_label1->setTextFormat(Qt::PlainText);
    m_label1->setWordWrap(false);
    m_label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    font.setPointSizeF(kLabel1PointSize);
    font.setBold(true);
    m_label1->setFont(font);
    QPalette palette = m_label1->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    m_label1->setPalette(palette);
    m_label1->setText(QStringLiteral("Lorna Quillet"));
    // The first picture is the winner's, with the name above it.
    setAccessibleName(outcomeWords(m_label1->text(), game::ResultPicture::Winner));
}

void Form3::fill(const QString &name, game::ResultPicture picture) {
    m_label1->setText(name);
    m_background = ui::loadPicture(pictureFor(picture), devicePixelRatioF());
    // The picture's words, the label's name: what a screen reader says for the window.
    setAccessibleName(outcomeWords(name, picture));
    update();
}

void Form3::paintEvent(QPaintEvent *) {
    // The pictures are a little smaller than the window; the strip they leave stays white.
    // A window shown before any fill() shows its first picture; fill() replaces it before
    // that in the program, so it is decoded only then.
    if (m_background.isNull())
        m_background =
            ui::loadPicture(QStringLiteral(":/pictures/result_initial.bmp"), devicePixelRatioF());
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawPixmap(0, 0, m_background);
}

// A click is a press and a release of the same button, both on the window's surface.
void Form3::mousePressEvent(QMouseEvent *event) {
    if (m_pressedButton == Qt::NoButton) m_pressedButton = event->button();
    event->accept();
}

void Form3::mouseReleaseEvent(QMouseEvent *event) {
    event->accept();
    if (event->button() != m_pressedButton) return;
    m_pressedButton = Qt::NoButton;
    if (rect().contains(event->position().toPoint())) close();
}
