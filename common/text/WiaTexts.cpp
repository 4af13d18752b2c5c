// Texts of the property-page extension.
// Entries in language order: English, French, Spanish, Italian, German,
// Portuguese, French (Canada), Spanish (Latin America), Portuguese (Brazil),
// Dutch. Windows-1252, non-ASCII characters as hex escapes.

#include "common/text/WiaTexts.h"

namespace tx {
namespace wiatext {

// Advanced property page

const TextTable kTxtAdvanced = {
    "Advanced", "Avanc\xE9", "Avanzado", "Avanzate", "Erweitert", "Avan\xE7" "ado", "Avanc\xE9",
    "Avanzado", "Avan\xE7" "ado", "Geavanceerd"
};
const TextTable kTxtCustomSettings = {
    "Custom Settings", "Param\xE8tres personnalis\xE9s", "Configuraci\xF3n personalizada",
    "Impostazioni personalizzate", "Benutzerdefinierte Einstellungen",
    "Defini\xE7\xF5" "es personalizadas", "Param\xE8tres personnalis\xE9s",
    "Configuraci\xF3n personalizada", "Configura\xE7\xF5" "es personalizadas",
    "Aangepaste instellingen"
};
const TextTable kTxtPrefeed = TX_UNTRANSLATED("Prefeed");
const TextTable kTxtDelay = {
    "Delay:", "D\xE9lai:", "Retardo:", "Ritardo:", "Verz\xF6gerung:", "Atraso:", "D\xE9lai:",
    "Retardo:", "Atraso:", "Vertraging:"
};
const TextTable kTxtDistance = {
    "Distance:", "Distance:", "Distancia:", "Distanza:", "Abstand:", "Dist\xE2ncia:",
    "Distance:", "Distancia:", "Dist\xE2ncia:", "Afstand:"
};
const TextTable kTxtDelayShort = {
    "Short", "Court", "Corto", "Breve", "Kurz", "Curto", "Court", "Corto", "Curto", "Kort"
};
const TextTable kTxtDelayLong = {
    "Long", "Long", "Largo", "Lungo", "Lang", "Longo", "Long", "Largo", "Longo", "Lang"
};
const TextTable kTxtDistanceShort = {
    "Short", "Court", "Corto", "Breve", "Kurz", "Curto", "Court", "Corto", "Curto", "Kort"
};
const TextTable kTxtDistanceLong = {
    "Long", "Long", "Largo", "Lungo", "Lang", "Longo", "Long", "Largo", "Longo", "Lang"
};
const TextTable kTxtCalibrate = {
    "Calibrate", "Calibrer", "Calibrar", "Calibra", "Kalibrieren", "Calibrar", "Calibrer",
    "Calibrar", "Calibrar", "Kalibreren"
};
const TextTable kTxtClean = {
    "Clean", "Nettoyer", "Limpiar", "Pulisci", "Reinigen", "Limpar", "Nettoyer", "Limpiar",
    "Limpar", "Reinigen"
};
const TextTable kTxtDefault = {
    "Default", "Par d\xE9" "faut", "Predeterminado", "Predefinito", "Standard", "Predefinido",
    "Par d\xE9" "faut", "Predeterminado", "Padr\xE3o", "Standaard"
};
const TextTable kTxtCancel = {
    "Cancel", "Annuler", "Cancelar", "Annulla", "Abbrechen", "Cancelar", "Annuler", "Cancelar",
    "Cancelar", "Annuleren"
};

// Calibrate and Clean runs

const TextTable kTxtInsertCalibrationPaper = TX_UNTRANSLATED(
    "Please insert the black and white calibration paper face down into the scanner "
    "then press Calibrate.");
const TextTable kTxtInsertCleaningPaper = TX_UNTRANSLATED(
    "Please insert the cleaning paper then press the Clean button. A few drops of alcohol "
    "placed on the cleaning paper may help if the paper alone is not effective.");
const TextTable kTxtCalibrationSuccessful = {
    "Calibration was successful.\n",
    "Le calibrage a r\xE9ussi.\n",
    "La calibraci\xF3n se ha realizado correctamente.\n",
    "La calibrazione \xE8 riuscita.\n",
    "Die Kalibrierung war erfolgreich.\n",
    "A calibra\xE7\xE3o foi conclu\xED" "da com \xEAxito.\n",
    "Le calibrage a r\xE9ussi.\n",
    "La calibraci\xF3n se ha realizado correctamente.\n",
    "A calibra\xE7\xE3o foi bem-sucedida.\n",
    "De kalibratie is geslaagd.\n"
};
const TextTable kTxtCalibrationFailed = TX_UNTRANSLATED(
    "The calibration process has failed.\n\n"
    "Check that the calibration paper was inserted properly and the scanner is ready.");
const TextTable kTxtScannerNotConnected = TX_UNTRANSLATED(
    "The scan was aborted because the scanner is not powered on or not connected properly.\n\n"
    "Please check the hardware connections and try again.");

const TextTable* const kAllTexts[] = {
    &kTxtAdvanced, &kTxtCustomSettings, &kTxtPrefeed, &kTxtDelay, &kTxtDistance,
    &kTxtDelayShort, &kTxtDelayLong, &kTxtDistanceShort, &kTxtDistanceLong, &kTxtCalibrate,
    &kTxtClean, &kTxtDefault, &kTxtCancel, &kTxtInsertCalibrationPaper,
    &kTxtInsertCleaningPaper, &kTxtCalibrationSuccessful, &kTxtCalibrationFailed,
    &kTxtScannerNotConnected
};
const std::size_t kTextCount = sizeof(kAllTexts) / sizeof(kAllTexts[0]);

}  // namespace wiatext
}  // namespace tx
