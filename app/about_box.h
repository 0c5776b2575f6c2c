// The about box "ﾊﾞｰｼﾞｮﾝ情報": the program icon, the version, the project's e-mail address and
// web page as buttons that hand them to the desktop, the folder the program keeps its data in.
#pragma once

#include <QDialog>

class QPushButton;

namespace kesto::app {

inline constexpr const char* kVersionLine = "Kesto Version 1.80";

// The project's contact, set once by the build (KESTO_CONTACT_MAIL, KESTO_HOME_PAGE).
QString projectMail();
QString projectPage();

class AboutBox : public QDialog {
    Q_OBJECT

  public:
    AboutBox(const QString& dataFolder, QWidget* parent = nullptr);

    QPushButton* mailButton() const { return mail_; }
    QPushButton* pageButton() const { return page_; }

  private:
    QPushButton* mail_;
    QPushButton* page_;
};

}  // namespace kesto::app
