// Texts of the data source's messages and dialogs, and the list of all its
// texts. The property pages' texts are in DsPageTexts.cpp.
// Entries in language order: English, French, Spanish, Italian, German,
// Portuguese, French (Canada), Spanish (Latin America), Portuguese (Brazil),
// Dutch. Windows-1252, non-ASCII characters as hex escapes.

#include "common/text/DsTexts.h"

namespace tx {
namespace dstext {

// Calibration, cleaning and scanning messages

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
const TextTable kTxtWhiteCalibrationSuccessful = TX_UNTRANSLATED(
    "White-only calibration was successful.\n\n"
    "For better image quality calibrate again using the black and white calibration "
    "paper.");
const TextTable kTxtInsertItem = {
    "Please insert the item to be scanned into the scanner now.",
    "Veuillez ins\xE9rer maintenant le document \xE0 num\xE9riser dans le scanner.",
    "Inserte ahora en el esc\xE1ner el documento que desea escanear.",
    "Inserire ora nello scanner il documento da acquisire.",
    "Legen Sie jetzt die zu scannende Vorlage in den Scanner ein.",
    "Insira agora no scanner o documento a digitalizar.",
    "Veuillez ins\xE9rer maintenant le document \xE0 num\xE9riser dans le scanner.",
    "Inserte ahora en el esc\xE1ner el documento que desea escanear.",
    "Insira agora no scanner o documento a ser digitalizado.",
    "Plaats nu het te scannen document in de scanner."
};
const TextTable kTxtPaperNotDetected = {
    "The paper was not detected. Continue anyway?",
    "Le papier n'a pas \xE9t\xE9 d\xE9tect\xE9. Continuer quand m\xEAme ?",
    "No se ha detectado el papel. \xBF" "Desea continuar de todos modos?",
    "La carta non \xE8 stata rilevata. Continuare comunque?",
    "Das Papier wurde nicht erkannt. Trotzdem fortfahren?",
    "O papel n\xE3o foi detetado. Continuar mesmo assim?",
    "Le papier n'a pas \xE9t\xE9 d\xE9tect\xE9. Continuer quand m\xEAme?",
    "No se ha detectado el papel. \xBF" "Desea continuar de todos modos?",
    "O papel n\xE3o foi detectado. Continuar mesmo assim?",
    "Het papier is niet gedetecteerd. Toch doorgaan?"
};
const TextTable kTxtScannerNotConnected = TX_UNTRANSLATED(
    "The scan was aborted because the scanner is not powered on or not connected properly.\n\n"
    "Please check the hardware connections and try again.");
const TextTable kTxtScanAbortedByUser = {
    "Scan aborted by user.", "Num\xE9risation annul\xE9" "e par l'utilisateur.",
    "Escaneo cancelado por el usuario.", "Scansione interrotta dall'utente.",
    "Scanvorgang vom Benutzer abgebrochen.", "Digitaliza\xE7\xE3o cancelada pelo utilizador.",
    "Num\xE9risation annul\xE9" "e par l'utilisateur.", "Escaneo cancelado por el usuario.",
    "Digitaliza\xE7\xE3o cancelada pelo usu\xE1rio.", "Scan afgebroken door gebruiker."
};
const TextTable kTxtScanFileError = TX_UNTRANSLATED(
    "Scan aborted because a file access or read/write error occurred.");
const TextTable kTxtScanOutOfMemory = TX_UNTRANSLATED(
    "Scan aborted because not enough memory is available.");
const TextTable kTxtScanEmptyPage = TX_UNTRANSLATED(
    "Scan aborted because the document ended before any image was captured.");
const TextTable kTxtImagingLibraryError = {
    "Image processing library error.", "Erreur de la biblioth\xE8que de traitement d'image.",
    "Error de la biblioteca de procesamiento de im\xE1genes.",
    "Errore della libreria di elaborazione delle immagini.",
    "Fehler in der Bildverarbeitungsbibliothek.",
    "Erro da biblioteca de processamento de imagem.",
    "Erreur de la biblioth\xE8que de traitement d'image.",
    "Error de la biblioteca de procesamiento de im\xE1genes.",
    "Erro da biblioteca de processamento de imagem.", "Fout in de beeldverwerkingsbibliotheek."
};
const TextTable kTxtCalibrationPage = {
    "Calibration Page", "Page de calibrage", "P\xE1gina de calibraci\xF3n",
    "Pagina di calibrazione", "Kalibrierungsseite", "P\xE1gina de calibra\xE7\xE3o",
    "Page de calibrage", "P\xE1gina de calibraci\xF3n", "P\xE1gina de calibra\xE7\xE3o",
    "Kalibratiepagina"
};
const TextTable kTxtCalibrationRequired = {
    "In order to scan the scanner must first be calibrated.",
    "Le scanner doit \xEAtre calibr\xE9 avant de pouvoir num\xE9riser.",
    "Para escanear, primero se debe calibrar el esc\xE1ner.",
    "Per eseguire la scansione \xE8 necessario prima calibrare lo scanner.",
    "Vor dem Scannen muss der Scanner kalibriert werden.",
    "Para digitalizar, o scanner tem de ser calibrado primeiro.",
    "Le scanner doit \xEAtre calibr\xE9 avant de pouvoir num\xE9riser.",
    "Para escanear, primero se debe calibrar el esc\xE1ner.",
    "Para digitalizar, o scanner precisa ser calibrado primeiro.",
    "Om te kunnen scannen moet de scanner eerst worden gekalibreerd."
};
const TextTable kTxtInsertCalibrationPaper = TX_UNTRANSLATED(
    "Please insert the black and white calibration paper face down into the scanner "
    "then press Calibrate.");
const TextTable kTxtInsertCleaningPaper = TX_UNTRANSLATED(
    "Please insert the cleaning paper then press the Clean button. A few drops of alcohol "
    "placed on the cleaning paper may help if the paper alone is not effective.");
const TextTable kTxtCalibrateButton = {
    "Calibrate", "Calibrer", "Calibrar", "Calibra", "Kalibrieren", "Calibrar", "Calibrer",
    "Calibrar", "Calibrar", "Kalibreren"
};
const TextTable kTxtCalibrateCaption = {
    "Calibrate", "Calibrer", "Calibrar", "Calibra", "Kalibrieren", "Calibrar", "Calibrer",
    "Calibrar", "Calibrar", "Kalibreren"
};
const TextTable kTxtClean = {
    "Clean", "Nettoyer", "Limpiar", "Pulisci", "Reinigen", "Limpar", "Nettoyer", "Limpiar",
    "Limpar", "Reinigen"
};
const TextTable kTxtCalibrating = {
    "Calibrating...", "Calibrage...", "Calibrando...", "Calibrazione...", "Kalibrierung...",
    "A calibrar...", "Calibrage...", "Calibrando...", "Calibrando...", "Kalibreren..."
};
const TextTable kTxtCleaning = {
    "Cleaning...", "Nettoyage...", "Limpiando...", "Pulizia...", "Reinigung...", "A limpar...",
    "Nettoyage...", "Limpiando...", "Limpando...", "Reinigen..."
};
const TextTable kTxtCancel = {
    "Cancel", "Annuler", "Cancelar", "Annulla", "Abbrechen", "Cancelar", "Annuler", "Cancelar",
    "Cancelar", "Annuleren"
};
const TextTable kTxtOk = TX_UNTRANSLATED("OK");

// Opening the source and connection repair

const TextTable kTxtDriverNotLoaded = TX_UNTRANSLATED(
    "The scanner driver could not be loaded.\n\n"
    "Please plug in the scanner or reinstall the driver.\n\n");
const TextTable kTxtConnectionRepaired = TX_UNTRANSLATED(
    "We have detected and resolved an issue with your scanner connection. \n\n"
    "Please unplug the scanner, wait a few seconds, then reconnect it. \n\n"
    "After reconnecting, click OK to continue.");
const TextTable kTxtDriverInstallNeeded = TX_UNTRANSLATED(
    "To use your scanner and application, a necessary driver must be installed on your "
    "computer. \n\n"
    "Please unplug your scanner then click OK to start the installation.");
const TextTable kTxtDriverInstalled = TX_UNTRANSLATED(
    "The driver has been successfully installed, please plug your scanner back in. \n\n"
    "After reconnecting the scanner, click OK to complete the update. \n\n"
    "Please do not unplug your scanner until the next prompt.");

// Property sheet page titles

const TextTable kTxtPagePreset = {
    "Pre-defined Setting", "Param\xE8tres pr\xE9" "d\xE9" "finis",
    "Configuraci\xF3n predefinida", "Impostazioni predefinite", "Voreinstellungen",
    "Defini\xE7\xF5" "es predefinidas", "Param\xE8tres pr\xE9" "d\xE9" "finis",
    "Configuraci\xF3n predefinida", "Configura\xE7\xF5" "es predefinidas", "Voorinstellingen"
};
const TextTable kTxtPageCustom = {
    "Custom Settings", "Param\xE8tres personnalis\xE9s", "Configuraci\xF3n personalizada",
    "Impostazioni personalizzate", "Benutzerdefinierte Einstellungen",
    "Defini\xE7\xF5" "es personalizadas", "Param\xE8tres personnalis\xE9s",
    "Configuraci\xF3n personalizada", "Configura\xE7\xF5" "es personalizadas",
    "Aangepaste instellingen"
};
const TextTable kTxtPageAdvanced = {
    "Advanced Settings", "Param\xE8tres avanc\xE9s", "Configuraci\xF3n avanzada",
    "Impostazioni avanzate", "Erweiterte Einstellungen", "Defini\xE7\xF5" "es avan\xE7" "adas",
    "Param\xE8tres avanc\xE9s", "Configuraci\xF3n avanzada",
    "Configura\xE7\xF5" "es avan\xE7" "adas", "Geavanceerde instellingen"
};
const TextTable kTxtPageInformation = {
    "Information", "Informations", "Informaci\xF3n", "Informazioni", "Informationen",
    "Informa\xE7\xF5" "es", "Informations", "Informaci\xF3n", "Informa\xE7\xF5" "es",
    "Informatie"
};

// Pre-set page and preset editor

const TextTable kTxtPresetHelp = TX_UNTRANSLATED(
    "Use the above pre-defined settings for a quick scan.\n\n"
    "Move the cursor over an icon to see a detailed description. Right click an icon "
    "to modify the settings or use the 'Custom Settings' page to fine-tune the scan "
    "parameters.");
const TextTable kTxtCalibrateReminder = {
    "Please calibrate your scanner periodically for improved image quality",
    "Calibrez r\xE9guli\xE8rement votre scanner pour am\xE9liorer la qualit\xE9 d'image",
    "Calibre el esc\xE1ner peri\xF3" "dicamente para mejorar la calidad de imagen",
    "Calibrare periodicamente lo scanner per migliorare la qualit\xE0 dell'immagine",
    "Kalibrieren Sie den Scanner regelm\xE4\xDFig, um die Bildqualit\xE4t zu verbessern",
    "Calibre o scanner periodicamente para melhorar a qualidade de imagem",
    "Calibrez r\xE9guli\xE8rement votre scanner pour am\xE9liorer la qualit\xE9 d'image",
    "Calibre el esc\xE1ner peri\xF3" "dicamente para mejorar la calidad de imagen",
    "Calibre o scanner periodicamente para melhorar a qualidade de imagem",
    "Kalibreer de scanner regelmatig voor een betere beeldkwaliteit"
};
const TextTable kTxtCopyFromCustom = {
    "Copy from Custom Settings", "Copier depuis Param\xE8tres personnalis\xE9s",
    "Copiar de Configuraci\xF3n personalizada", "Copia da Impostazioni personalizzate",
    "Aus benutzerdefinierten Einstellungen kopieren",
    "Copiar das defini\xE7\xF5" "es personalizadas",
    "Copier depuis Param\xE8tres personnalis\xE9s", "Copiar de Configuraci\xF3n personalizada",
    "Copiar das configura\xE7\xF5" "es personalizadas",
    "Kopi\xEBren van aangepaste instellingen"
};
const TextTable kTxtDefault = {
    "Default", "Par d\xE9" "faut", "Predeterminado", "Predefinito", "Standard", "Predefinido",
    "Par d\xE9" "faut", "Predeterminado", "Padr\xE3o", "Standaard"
};
const TextTable kTxtUserDefined = {
    "User Defined", "D\xE9" "fini par l'utilisateur", "Definido por el usuario",
    "Definito dall'utente", "Benutzerdefiniert", "Definido pelo utilizador",
    "D\xE9" "fini par l'utilisateur", "Definido por el usuario", "Definido pelo usu\xE1rio",
    "Door gebruiker gedefinieerd"
};
const TextTable kTxtSizeBusinessCard = {
    "Business card (90 x 55mm)", "Carte de visite (90 x 55mm)", "Tarjeta de visita (90 x 55mm)",
    "Biglietto da visita (90 x 55mm)", "Visitenkarte (90 x 55mm)",
    "Cart\xE3o de visita (90 x 55mm)", "Carte de visite (90 x 55mm)",
    "Tarjeta de presentaci\xF3n (90 x 55mm)", "Cart\xE3o de visita (90 x 55mm)",
    "Visitekaartje (90 x 55mm)"
};
const TextTable kTxtSizePhoto = {
    "Photo (5.0 x 3.5\")", "Photo (5.0 x 3.5\")", "Foto (5.0 x 3.5\")", "Foto (5.0 x 3.5\")",
    "Foto (5.0 x 3.5\")", "Foto (5.0 x 3.5\")", "Photo (5.0 x 3.5\")", "Foto (5.0 x 3.5\")",
    "Foto (5.0 x 3.5\")", "Foto (5.0 x 3.5\")"
};
const TextTable kTxtSizeLargePhoto = {
    "Large photo (6.0 x 4.0\")", "Grande photo (6.0 x 4.0\")", "Foto grande (6.0 x 4.0\")",
    "Foto grande (6.0 x 4.0\")", "Gro\xDF" "es Foto (6.0 x 4.0\")", "Foto grande (6.0 x 4.0\")",
    "Grande photo (6.0 x 4.0\")", "Foto grande (6.0 x 4.0\")", "Foto grande (6.0 x 4.0\")",
    "Grote foto (6.0 x 4.0\")"
};
const TextTable kTxtSizePanorama = {
    "Panorama photo (4.0 x 8.0\")", "Photo panoramique (4.0 x 8.0\")",
    "Foto panor\xE1mica (4.0 x 8.0\")", "Foto panoramica (4.0 x 8.0\")",
    "Panoramafoto (4.0 x 8.0\")", "Foto panor\xE2mica (4.0 x 8.0\")",
    "Photo panoramique (4.0 x 8.0\")", "Foto panor\xE1mica (4.0 x 8.0\")",
    "Foto panor\xE2mica (4.0 x 8.0\")", "Panoramafoto (4.0 x 8.0\")"
};

const TextTable* const kAllTexts[] = {
    &kTxtCalibrationSuccessful, &kTxtCalibrationFailed, &kTxtWhiteCalibrationSuccessful,
    &kTxtInsertItem, &kTxtPaperNotDetected, &kTxtScannerNotConnected, &kTxtScanAbortedByUser,
    &kTxtScanFileError, &kTxtScanOutOfMemory, &kTxtImagingLibraryError, &kTxtScanEmptyPage, &kTxtCalibrationPage,
    &kTxtCalibrationRequired, &kTxtInsertCalibrationPaper, &kTxtInsertCleaningPaper,
    &kTxtCalibrateButton, &kTxtCalibrateCaption, &kTxtClean, &kTxtCalibrating, &kTxtCleaning,
    &kTxtCancel, &kTxtOk, &kTxtDriverNotLoaded, &kTxtConnectionRepaired,
    &kTxtDriverInstallNeeded, &kTxtDriverInstalled, &kTxtPagePreset, &kTxtPageCustom,
    &kTxtPageAdvanced, &kTxtPageInformation, &kTxtPresetHelp, &kTxtCalibrateReminder,
    &kTxtCopyFromCustom, &kTxtDefault, &kTxtUserDefined, &kTxtSizeBusinessCard, &kTxtSizePhoto,
    &kTxtSizeLargePhoto, &kTxtSizePanorama, &kTxtBlackWhite, &kTxtGrayscale, &kTxtColor,
    &kTxtResolution, &kTxtScanSize, &kTxtFilter, &kTxtNone, &kTxtDescreen, &kTxtInvertImage,
    &kTxtDetectEndOfPage, &kTxtBrightness, &kTxtContrast, &kTxtGamma, &kTxtRange, &kTxtZoom,
    &kTxtUnit, &kTxtReset, &kTxtPreview, &kTxtScan, &kTxtPaperSensor, &kTxtDeskew,
    &kTxtAutocrop, &kTxtPhoto, &kTxtRotation, &kTxtDegree, &kTxtFreeDiskSpace, &kTxtImageSize,
    &kTxtWidth, &kTxtHeight, &kTxtDeletePreview, &kTxtImageAdjust, &kTxtPageOptions,
    &kTxtPrefeed, &kTxtHighlight, &kTxtShadow, &kTxtAutoRotate, &kTxtContinuousScan,
    &kTxtColorDropout, &kTxtDropoutColor, &kTxtRed, &kTxtGreen, &kTxtBlue, &kTxtMinIntensity,
    &kTxtMinSaturation, &kTxtMinSize, &kTxtAuto, &kTxtManual, &kTxtBwThreshold,
    &kTxtSerialNumber, &kTxtDsVersion, &kTxtDllVersion, &kTxtLegalNotice,
    &kTxtInsertNextDocument, &kTxtSecondsLeft, &kTxtFinish
};
const std::size_t kTextCount = sizeof(kAllTexts) / sizeof(kAllTexts[0]);

}  // namespace dstext
}  // namespace tx
