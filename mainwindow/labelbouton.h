#pragma once
// A transparent text label of the main window that acts as a button.
#include <QLabel>

namespace trelmo {

class LabelBouton : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
};

// A caption holding a carriage return is drawn on two lines.
QString texte_label(const std::string& caption);

} // namespace trelmo
