// "Stazioni e punti": the camera stations of the plan in site coordinates and
// the stereo models with the control points each one holds, in a window beside
// the main one. Tables of tens of thousands of rows stay quick: the rows are
// read from the vectors only when shown.
#pragma once

#include <QAbstractTableModel>
#include <QLabel>
#include <QTableView>
#include <QWidget>
#include <vector>

#include "base/formato_regionale.h"
#include "site/collocazione.h"
#include "site/modelli.h"
#include "site/stazioni.h"

namespace pianopre {

class tabella_stazioni : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit tabella_stazioni(formato_regionale formato, QObject* genitore = nullptr)
        : QAbstractTableModel(genitore), formato_(formato) {}
    void imposta(std::vector<riga_stazione> righe, unita_angolo unita);
    int rowCount(const QModelIndex& = {}) const override { return static_cast<int>(righe_.size()); }
    int columnCount(const QModelIndex& = {}) const override { return 8; }
    QVariant data(const QModelIndex& indice, int ruolo) const override;
    QVariant headerData(int sezione, Qt::Orientation verso, int ruolo) const override;

private:
    formato_regionale formato_;
    std::vector<riga_stazione> righe_;
    unita_angolo unita_ = unita_angolo::gradi;
};

class tabella_modelli_qt : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit tabella_modelli_qt(formato_regionale formato, QObject* genitore = nullptr)
        : QAbstractTableModel(genitore), formato_(formato) {}
    // With `collocata` four more columns give the corners in site coordinates.
    void imposta(std::vector<riga_modello> righe, bool collocata = false);
    int rowCount(const QModelIndex& = {}) const override { return static_cast<int>(righe_.size()); }
    int columnCount(const QModelIndex& = {}) const override { return collocata_ ? 9 : 5; }
    QVariant data(const QModelIndex& indice, int ruolo) const override;
    QVariant headerData(int sezione, Qt::Orientation verso, int ruolo) const override;

private:
    formato_regionale formato_;
    std::vector<riga_modello> righe_;
    bool collocata_ = false;
};

class finestra_stazioni : public QWidget {
    Q_OBJECT
public:
    explicit finestra_stazioni(formato_regionale formato, QWidget* genitore = nullptr);
    void mostra(std::vector<riga_stazione> stazioni, tabella_modelli modelli, unita_angolo unita,
                bool con_punti);

    QTableView* vista_stazioni = nullptr;
    QTableView* vista_modelli = nullptr;
    QLabel* riepilogo = nullptr;
    tabella_stazioni* stazioni = nullptr;
    tabella_modelli_qt* modelli = nullptr;
};

}  // namespace pianopre
