// The program's message box on Qt: the text with its TABs expanded to stops every eight
// average character widths, as the Windows message box laid out its text, so the columns of
// a day report line up; one OK button, or OK and Cancel.
#pragma once

#include <QDialog>
#include <QString>

class QPushButton;

namespace kelmo::platform {

class MessageDialog : public QDialog {
    Q_OBJECT
  public:
    MessageDialog(const QString& text, const QString& caption, bool withCancel,
                  QWidget* parent = nullptr);
    QString text() const { return text_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

  private:
    QString text_;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

// A block of text drawn with tab stops every eight average character widths.
class TabbedText : public QWidget {
    Q_OBJECT
  public:
    explicit TabbedText(const QString& text, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    int tabStop() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString text_;
};

}  // namespace kelmo::platform
