#pragma once
// A one-pixel notification for screen readers: each announcement changes its
// name and shows it again, which the readers speak. It draws nothing.
#include <QString>
#include <QWidget>

namespace trelmo {

class TAnnonce : public QWidget {
    Q_OBJECT
public:
    explicit TAnnonce(QWidget* parent);
    void annoncer(const QString& texte);
    const QString& derniere() const { return derniere_; }

private:
    QString derniere_;
};

} // namespace trelmo
