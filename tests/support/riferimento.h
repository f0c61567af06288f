// Comparing an output with its reviewed reference file under tests/data.
//
// On a mismatch, or always when PIANOPRE_SCRIVI_OUT is set, the output is
// written beside the reference as NAME.out.EXT; once a person has looked at
// it, scripts/promuovi_riferimenti.sh makes every such output the reference.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/leggi_file.h"

namespace pianopre::prova {

// tests/data/a/b.ext -> tests/data/a/b.out.ext
inline std::filesystem::path percorso_uscita(const std::filesystem::path& riferimento) {
    std::filesystem::path p = riferimento;
    return p.replace_filename(riferimento.stem().string() + ".out" +
                              riferimento.extension().string());
}

// The reference path of a name relative to tests/data.
inline std::filesystem::path dato_di_prova(const std::string& relativo) {
    return std::filesystem::path(PIANOPRE_TEST_DATA) / relativo;
}

// Byte-for-byte comparison; the failure names the first line that differs.
inline ::testing::AssertionResult uguale_al_riferimento(const std::string& ottenuto,
                                                        const std::string& relativo) {
    const std::filesystem::path riferimento = dato_di_prova(relativo);
    const std::filesystem::path uscita = percorso_uscita(riferimento);
    const std::string atteso = leggi_tutto(riferimento);
    const bool uguale = ottenuto == atteso;
    if (!uguale || std::getenv("PIANOPRE_SCRIVI_OUT") != nullptr) {
        std::ofstream(uscita, std::ios::binary) << ottenuto;
    } else {
        std::filesystem::remove(uscita);
    }
    if (uguale) return ::testing::AssertionSuccess();
    std::size_t riga = 1, i = 0;
    while (i < ottenuto.size() && i < atteso.size() && ottenuto[i] == atteso[i]) {
        if (ottenuto[i] == '\n') ++riga;
        ++i;
    }
    return ::testing::AssertionFailure() << relativo << " differs from line " << riga
                                         << "; output written to " << uscita.string();
}

}  // namespace pianopre::prova
