// "Stazioni e punti": the camera stations of the plan in site coordinates, the
// stereo models with the control points each one holds, and the control points
// themselves with the commands that delete, add and import them, in a window
// beside the main one. Tables of tens of thousands of rows stay quick: the rows are
// read from the vectors only when shown.
#pragma once

#include <QAbstractTableModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QWidget>
#include <cstdint>
#include <span>
#include <vector>

#include "base/formato_regionale.h"
#include "scheme/entita.h"
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

class tabella_punti_qt : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit tabella_punti_qt(formato_regionale formato, QObject* genitore = nullptr)
        : QAbstractTableModel(genitore), formato_(formato) {}
    void imposta(std::span<const punto_app> punti);
    int rowCount(const QModelIndex& = {}) const override { return static_cast<int>(punti_.size()); }
    int columnCount(const QModelIndex& = {}) const override { return 4; }
    QVariant data(const QModelIndex& indice, int ruolo) const override;
    QVariant headerData(int sezione, Qt::Orientation verso, int ruolo) const override;

private:
    formato_regionale formato_;
    std::vector<punto_app> punti_;
};

class finestra_stazioni : public QWidget {
    Q_OBJECT
public:
    explicit finestra_stazioni(formato_regionale formato, QWidget* genitore = nullptr);
    void mostra(std::vector<riga_stazione> stazioni, tabella_modelli modelli, unita_angolo unita,
                bool con_punti);
    void mostra_punti(std::span<const punto_app> punti);
    // The selected control points, numbered from 1 as in the list.
    std::vector<std::int32_t> punti_selezionati() const;

    QTableView* vista_stazioni = nullptr;
    QTableView* vista_modelli = nullptr;
    QLabel* riepilogo = nullptr;
    tabella_stazioni* stazioni = nullptr;
    tabella_modelli_qt* modelli = nullptr;
    QTableView* vista_punti = nullptr;
    tabella_punti_qt* punti = nullptr;
    QPushButton* elimina = nullptr;
    QPushButton* aggiungi = nullptr;
    QPushButton* importa = nullptr;

signals:
    void elimina_punti(std::vector<std::int32_t> numeri);
    void aggiungi_punto();
    void importa_punti();
};

}  // namespace pianopre
