#include "app/about_box.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QUrl>

namespace kesto::app {
namespace {

constexpr int kIconSize = 48;

QPushButton* linkButton(const QString& text, const QUrl& url, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(QStringLiteral("QPushButton { color: #1e50b4; text-align: left; }"));
    QObject::connect(button, &QPushButton::clicked, parent,
                     [url] { QDesktopServices::openUrl(url); });
    return button;
}

}  // namespace

QString projectMail() {
    return QStringLiteral(KESTO_CONTACT_MAIL);
}

QString projectPage() {
    return QStringLiteral(KESTO_HOME_PAGE);
}

AboutBox::AboutBox(const QString& dataFolder, QWidget* parent)
    : QDialog(parent),
      mail_(linkButton(projectMail(), QUrl(QStringLiteral("mailto:") + projectMail()), this)),
      page_(linkButton(projectPage(), QUrl(projectPage()), this)) {
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull()) {
        icon = style()->standardIcon(QStyle::SP_ComputerIcon);
    }
    auto* picture = new QLabel(this);
    picture->setPixmap(icon.pixmap(kIconSize, kIconSize));
    picture->setAlignment(Qt::AlignTop);

    auto* version = new QLabel(QString::fromUtf8(kVersionLine), this);
    auto* folder = new QLabel(
        QStringLiteral("データ フォルダ：%1").arg(QDir::toNativeSeparators(dataFolder)), this);
    folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(picture, 0, 0, 4, 1);
    layout->addWidget(version, 0, 1);
    layout->addWidget(mail_, 1, 1);
    layout->addWidget(page_, 2, 1);
    layout->addWidget(folder, 3, 1);
    layout->addWidget(buttons, 4, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace kesto::app
