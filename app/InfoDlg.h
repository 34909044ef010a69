#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class TInterfaceFrame;

// The program information window: one modeless instance for the whole run.
class TInfoDialog1 : public QDialog {
    Q_OBJECT
public:
    explicit TInfoDialog1(QWidget* parent = nullptr);
    ~TInfoDialog1() override;

    // Called once the workspace object exists.
    void InitInfo(TInterfaceFrame* interfaceFrame, const QString& text = QString());
    // Shows the window, or brings the existing one forward.
    void ShowInfo();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetPictureStretched(bool stretched);

    TInterfaceFrame* m_interface = nullptr;
    QString m_text;
    QLabel* VersionLabel = nullptr;
    QPlainTextEdit* MemoInfo = nullptr;
    QLabel* ImageProduct = nullptr;
    QRect m_pictureFrame;
};
