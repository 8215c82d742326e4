// SPDX-License-Identifier: MIT
#include "ui/result/result_window.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPalette>

#include "ui/common/fonts.h"
#include "ui/common/twips.h"

namespace {

constexpr qreal kNamePointSize = 27.75;

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

// The first picture is the winner's with a flare, under the name the label starts with.
ResultWindow::ResultWindow()
    : PictureWindow("Form3", QStringLiteral("Form3"), layout::kResultClient,
                    QStringLiteral(":/pictures/result_initial.bmp"), true) {
    setAccessibleDescription(QStringLiteral("Click, or press Escape, to close"));

    // White bold serif text, one line, centred; the label never grows and never elides:
    // whatever does not fit its area is cut off by its edges.
    m_nameLabel = new NameLabel(this);
    m_nameLabel->setObjectName(QStringLiteral("Label1"));
    m_nameLabel->setGeometry(ui::rect(layout::kResultName));
    m_nameLabel->setFixedSize(ui::size(layout::kResultName));
    m_nameLabel->setTextFormat(Qt::PlainText);
    m_nameLabel->setWordWrap(false);
    m_nameLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_nameLabel->setFont(ui::windowFont(QStringLiteral("Times New Roman"), kNamePointSize, true));
    QPalette palette = m_nameLabel->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    m_nameLabel->setPalette(palette);
    m_nameLabel->setText(QStringLiteral("Lorna Quillet"));
    setAccessibleName(outcomeWords(m_nameLabel->text(), game::ResultPicture::Winner));
}

void ResultWindow::fill(const QString &name, game::ResultPicture picture) {
    m_nameLabel->setText(name);
    setPicture(pictureFor(picture));
    // The picture's words, the label's name: what a screen reader says for the window.
    setAccessibleName(outcomeWords(name, picture));
}
