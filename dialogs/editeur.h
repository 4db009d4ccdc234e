#pragma once
// The problem editor: a board where each click puts or takes a marble (the
// keyboard too: arrows, Space, T for the target), a board chooser, a name,
// and the solver's verdict beside the board, asked for after every change
// and never waited for. The verdict comes from outside (the window's solver
// worker): the editor calls `demander` and is given the answer.
#include "game/position_texte.h"

#include <QDialog>

#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;

namespace trelmo {

class TAnnonce;

// What the solver said of the edited position.
struct VerdictEditeur {
    int meilleur = 0;             // fewest marbles that can be left
    bool prouve = false;
    int dernier = 0;              // with one marble left on a line: its hole
    bool cible_atteinte = false;  // the target can be reached
    bool cible_perdue = false;    // it cannot
};

class TPlateauEditeur;

class TEditeur : public QDialog {
    Q_OBJECT
public:
    TEditeur(int32_t langue, QWidget* parent = nullptr);

    // Answers of exec(): Rejected, Accepted (Play).
    PositionTexte position() const;
    void setPosition(const PositionTexte& p);

    // Called after every change, with the position to think about; answers
    // false when the position allows no jump (nothing is then asked).
    std::function<bool(const PositionTexte&)> demander;
    // Called by Keep; answers the text to show ("" when nothing was kept).
    std::function<QString(const PositionTexte&)> garder;
    // The answer for the position last asked for.
    void montrer_verdict(const VerdictEditeur& v);

    QString verdict() const;
    TPlateauEditeur* plateau() const { return plateau_; }

    // The position as text, and a text opened as a position (false and a
    // message when it holds none).
    QString en_texte() const;
    bool ouvrir_texte(const QString& texte);
    void copier();
    void coller();
    void exporter();
    void importer();

    static std::function<void(const QString&)>& afficheur_message();   // tests replace the message box

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void changement();
    void message(const QString& texte);

    int32_t langue_;
    TPlateauEditeur* plateau_ = nullptr;
    QComboBox* choix_plateau_ = nullptr;
    QLineEdit* nom_ = nullptr;
    QLabel* verdict_ = nullptr;
    TAnnonce* annonce_ = nullptr;
};

// The editor's board: 9 x 9 cells, the board's holes drawn, marbles and the
// target ring; a keyboard cursor.
class TPlateauEditeur : public QWidget {
    Q_OBJECT
public:
    TPlateauEditeur(int32_t langue, QWidget* parent);
    PositionTexte position;
    int curseur = 25;
    QString nom_trou(int n) const;   // what the screen reader is told of a hole
    void basculer(int n);            // a marble put or taken
    void cibler(int n);              // the target ringed, or taken off
    QPoint centre(int n) const;      // a hole's centre, in the widget
    QSize sizeHint() const override { return {9 * kCase, 9 * kCase}; }
    static constexpr int kCase = 34;

signals:
    void change();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;

private:
    int trou_en(QPoint p) const;
    void dire_curseur();
    int32_t langue_;
};

} // namespace trelmo
