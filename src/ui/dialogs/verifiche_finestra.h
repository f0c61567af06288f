// "Verifiche del piano": a window beside the main one with the checks of the
// last plan against the camera's pixel, their settings at the top, the
// convergent images and the drone's settings under them and, under the table, the classic precision
// estimate beside the one with the pixel.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QWidget>
#include <array>

#include "base/formato_regionale.h"
#include "calc/verifiche.h"
#include "job/commessa.h"

namespace pianopre {

class finestra_verifiche : public QWidget {
    Q_OBJECT
public:
    finestra_verifiche(commessa& lavoro, formato_regionale formato, QWidget* genitore = nullptr);

    // The checks of the job's plan, after a calculation that succeeded.
    void piano_pronto();
    // No plan to check, and why.
    void piano_assente(const QString& perche);
    // Every settings box from the job, after a job was opened or reset.
    void mostra_impostazioni();

signals:
    void impostazioni_cambiate();

public:
    std::array<QLineEdit*, 8> impostazioni{};  // in the order of impostazioni_verifiche
    // Take-off East, North, height: all three empty for the default.
    std::array<QLineEdit*, 3> decollo{};
    // Speed, exposure, interval, battery minutes, reserve %, smallest
    // distance, largest height.
    std::array<QLineEdit*, 7> drone{};
    QCheckBox* sosta = nullptr;
    // Two more images turned by ±γ at each station, and γ in degrees.
    QCheckBox* convergenti = nullptr;
    QLineEdit* angolo_convergenti = nullptr;
    QLabel* stato = nullptr;
    QTableWidget* tabella = nullptr;
    // Both precision estimates, each labelled with what it means.
    QLabel* precisioni = nullptr;

private:
    void leggi_impostazioni();
    void leggi_drone();
    void leggi_convergenti();
    QLayout* crea_convergenti();
    QLayout* crea_drone();
    void riempi();
    void mostra_precisioni(const risultato_verifiche& r);

    commessa& commessa_;
    formato_regionale formato_;
    bool piano_ = false;
};

}  // namespace pianopre
