// Texts of the data source's property pages.
// Entries in language order: English, French, Spanish, Italian, German,
// Portuguese, French (Canada), Spanish (Latin America), Portuguese (Brazil),
// Dutch. Windows-1252, non-ASCII characters as hex escapes.

#include "common/text/DsTexts.h"

namespace tx {
namespace dstext {

// Custom Settings page and preview

const TextTable kTxtBlackWhite = {
    "Black/White", "Noir et blanc", "Blanco y negro", "Bianco e nero", "Schwarzwei\xDF",
    "Preto e branco", "Noir et blanc", "Blanco y negro", "Preto e branco", "Zwart-wit"
};
const TextTable kTxtGrayscale = {
    "Grayscale", "Niveaux de gris", "Escala de grises", "Scala di grigi", "Graustufen",
    "Tons de cinzento", "Niveaux de gris", "Escala de grises", "Tons de cinza", "Grijstinten"
};
const TextTable kTxtColor = {
    "Color", "Couleur", "Color", "Colore", "Farbe", "Cor", "Couleur", "Color", "Cor", "Kleur"
};
const TextTable kTxtResolution = {
    "Resolution(dpi):", "R\xE9solution(ppp):", "Resoluci\xF3n(ppp):", "Risoluzione(dpi):",
    "Aufl\xF6sung(dpi):", "Resolu\xE7\xE3o(ppp):", "R\xE9solution(ppp):", "Resoluci\xF3n(ppp):",
    "Resolu\xE7\xE3o(ppp):", "Resolutie(dpi):"
};
const TextTable kTxtScanSize = {
    "Scan size:", "Format de num\xE9risation:", "Tama\xF1o de escaneo:",
    "Formato di scansione:", "Scangr\xF6\xDF" "e:", "Tamanho da digitaliza\xE7\xE3o:",
    "Format de num\xE9risation:", "Tama\xF1o de escaneo:", "Tamanho da digitaliza\xE7\xE3o:",
    "Scanformaat:"
};
const TextTable kTxtFilter = {
    "Filter:", "Filtre:", "Filtro:", "Filtro:", "Filter:", "Filtro:", "Filtre:", "Filtro:",
    "Filtro:", "Filter:"
};
const TextTable kTxtNone = {
    "None", "Aucun", "Ninguno", "Nessuno", "Keiner", "Nenhum", "Aucun", "Ninguno", "Nenhum",
    "Geen"
};
const TextTable kTxtDescreen = TX_UNTRANSLATED("Descreen");
const TextTable kTxtInvertImage = {
    "Invert image", "Inverser l'image", "Invertir imagen", "Inverti immagine",
    "Bild invertieren", "Inverter imagem", "Inverser l'image", "Invertir imagen",
    "Inverter imagem", "Afbeelding omkeren"
};
const TextTable kTxtDetectEndOfPage = {
    "Detect end of page", "D\xE9tecter la fin de page", "Detectar fin de p\xE1gina",
    "Rileva fine pagina", "Seitenende erkennen", "Detetar fim de p\xE1gina",
    "D\xE9tecter la fin de page", "Detectar fin de p\xE1gina", "Detectar fim de p\xE1gina",
    "Einde van pagina detecteren"
};
const TextTable kTxtBrightness = {
    "Brightness", "Luminosit\xE9", "Brillo", "Luminosit\xE0", "Helligkeit", "Brilho",
    "Luminosit\xE9", "Brillo", "Brilho", "Helderheid"
};
const TextTable kTxtContrast = {
    "Contrast", "Contraste", "Contraste", "Contrasto", "Kontrast", "Contraste", "Contraste",
    "Contraste", "Contraste", "Contrast"
};
const TextTable kTxtGamma = TX_UNTRANSLATED("Gamma");
const TextTable kTxtRange = {
    "Range", "Plage", "Rango", "Intervallo", "Bereich", "Intervalo", "Plage", "Rango",
    "Intervalo", "Bereik"
};
const TextTable kTxtZoom = TX_UNTRANSLATED("Zoom");
const TextTable kTxtUnit = {
    "Unit", "Unit\xE9", "Unidad", "Unit\xE0", "Einheit", "Unidade", "Unit\xE9", "Unidad",
    "Unidade", "Eenheid"
};
const TextTable kTxtReset = {
    "Reset", "R\xE9initialiser", "Restablecer", "Ripristina", "Zur\xFC" "cksetzen", "Repor",
    "R\xE9initialiser", "Restablecer", "Redefinir", "Herstellen"
};
const TextTable kTxtPreview = {
    "Preview", "Aper\xE7u", "Vista previa", "Anteprima", "Vorschau", "Pr\xE9-visualizar",
    "Aper\xE7u", "Vista previa", "Visualizar", "Voorbeeld"
};
const TextTable kTxtScan = {
    "Scan", "Num\xE9riser", "Escanear", "Scansiona", "Scannen", "Digitalizar", "Num\xE9riser",
    "Escanear", "Digitalizar", "Scannen"
};
const TextTable kTxtPaperSensor = {
    "Paper sensor:", "Capteur de papier:", "Sensor de papel:", "Sensore carta:",
    "Papiersensor:", "Sensor de papel:", "Capteur de papier:", "Sensor de papel:",
    "Sensor de papel:", "Papiersensor:"
};
const TextTable kTxtDeskew = {
    "Deskew", "Redresser", "Enderezar", "Raddrizza", "Geraderichten", "Endireitar", "Redresser",
    "Enderezar", "Endireitar", "Rechtzetten"
};
const TextTable kTxtAutocrop = {
    "Autocrop", "Recadrage auto", "Recorte autom\xE1tico", "Ritaglio automatico",
    "Automatisch zuschneiden", "Recorte autom\xE1tico", "Recadrage auto",
    "Recorte autom\xE1tico", "Recorte autom\xE1tico", "Automatisch bijsnijden"
};
const TextTable kTxtPhoto = {
    "Photo", "Photo", "Foto", "Foto", "Foto", "Foto", "Photo", "Foto", "Foto", "Foto"
};
const TextTable kTxtRotation = {
    "Rotation:", "Rotation:", "Rotaci\xF3n:", "Rotazione:", "Drehung:", "Rota\xE7\xE3o:",
    "Rotation:", "Rotaci\xF3n:", "Rota\xE7\xE3o:", "Rotatie:"
};
const TextTable kTxtDegree = TX_UNTRANSLATED("\xB0");
const TextTable kTxtFreeDiskSpace = {
    "Free disk space", "Espace disque libre", "Espacio libre en disco",
    "Spazio libero su disco", "Freier Speicherplatz", "Espa\xE7o livre em disco",
    "Espace disque libre", "Espacio libre en disco", "Espa\xE7o livre em disco",
    "Vrije schijfruimte"
};
const TextTable kTxtImageSize = {
    "Image size", "Taille de l'image", "Tama\xF1o de imagen", "Dimensioni immagine",
    "Bildgr\xF6\xDF" "e", "Tamanho da imagem", "Taille de l'image", "Tama\xF1o de imagen",
    "Tamanho da imagem", "Afbeeldingsgrootte"
};
const TextTable kTxtWidth = {
    "Width", "Largeur", "Ancho", "Larghezza", "Breite", "Largura", "Largeur", "Ancho",
    "Largura", "Breedte"
};
const TextTable kTxtHeight = {
    "Height", "Hauteur", "Alto", "Altezza", "H\xF6he", "Altura", "Hauteur", "Alto", "Altura",
    "Hoogte"
};
const TextTable kTxtDeletePreview = {
    "Delete preview image?", "Supprimer l'image d'aper\xE7u ?",
    "\xBF" "Eliminar la imagen de vista previa?", "Eliminare l'immagine di anteprima?",
    "Vorschaubild l\xF6schen?", "Eliminar a imagem de pr\xE9-visualiza\xE7\xE3o?",
    "Supprimer l'image d'aper\xE7u?", "\xBF" "Eliminar la imagen de vista previa?",
    "Excluir a imagem de visualiza\xE7\xE3o?", "Voorbeeldafbeelding verwijderen?"
};

// Advanced Settings page

const TextTable kTxtImageAdjust = {
    "Image Adjust", "R\xE9glage de l'image", "Ajuste de imagen", "Regolazione immagine",
    "Bildanpassung", "Ajuste de imagem", "R\xE9glage de l'image", "Ajuste de imagen",
    "Ajuste de imagem", "Beeldaanpassing"
};
const TextTable kTxtPageOptions = {
    "Page Options", "Options de page", "Opciones de p\xE1gina", "Opzioni pagina",
    "Seitenoptionen", "Op\xE7\xF5" "es de p\xE1gina", "Options de page",
    "Opciones de p\xE1gina", "Op\xE7\xF5" "es de p\xE1gina", "Pagina-opties"
};
const TextTable kTxtPrefeed = TX_UNTRANSLATED("Prefeed");
const TextTable kTxtHighlight = {
    "Highlight", "Tons clairs", "Iluminaciones", "Luci", "Lichter", "Realces", "Tons clairs",
    "Iluminaciones", "Realces", "Hooglichten"
};
const TextTable kTxtShadow = {
    "Shadow", "Tons fonc\xE9s", "Sombras", "Ombre", "Tiefen", "Sombras", "Tons fonc\xE9s",
    "Sombras", "Sombras", "Schaduwen"
};
const TextTable kTxtAutoRotate = {
    "Auto Rotate", "Rotation automatique", "Rotaci\xF3n autom\xE1tica", "Rotazione automatica",
    "Automatisch drehen", "Rota\xE7\xE3o autom\xE1tica", "Rotation automatique",
    "Rotaci\xF3n autom\xE1tica", "Rota\xE7\xE3o autom\xE1tica", "Automatisch draaien"
};
const TextTable kTxtContinuousScan = {
    "Continuous Scan", "Num\xE9risation continue", "Escaneo continuo", "Scansione continua",
    "Fortlaufendes Scannen", "Digitaliza\xE7\xE3o cont\xEDnua", "Num\xE9risation continue",
    "Escaneo continuo", "Digitaliza\xE7\xE3o cont\xEDnua", "Doorlopend scannen"
};
const TextTable kTxtColorDropout = TX_UNTRANSLATED("Color Dropout");
const TextTable kTxtDropoutColor = {
    "Color:", "Couleur:", "Color:", "Colore:", "Farbe:", "Cor:", "Couleur:", "Color:", "Cor:",
    "Kleur:"
};
const TextTable kTxtRed = {
    "Red", "Rouge", "Rojo", "Rosso", "Rot", "Vermelho", "Rouge", "Rojo", "Vermelho", "Rood"
};
const TextTable kTxtGreen = {
    "Green", "Vert", "Verde", "Verde", "Gr\xFCn", "Verde", "Vert", "Verde", "Verde", "Groen"
};
const TextTable kTxtBlue = {
    "Blue", "Bleu", "Azul", "Blu", "Blau", "Azul", "Bleu", "Azul", "Azul", "Blauw"
};
const TextTable kTxtMinIntensity = TX_UNTRANSLATED("Min Int:");
const TextTable kTxtMinSaturation = TX_UNTRANSLATED("Min Sat:");
const TextTable kTxtMinSize = TX_UNTRANSLATED("Min Size:");
const TextTable kTxtAuto = TX_UNTRANSLATED("Auto");
const TextTable kTxtManual = {
    "Manual", "Manuel", "Manual", "Manuale", "Manuell", "Manual", "Manuel", "Manual", "Manual",
    "Handmatig"
};
const TextTable kTxtBwThreshold = {
    "BW Threshold:", "Seuil N/B:", "Umbral B/N:", "Soglia B/N:", "S/W-Schwellenwert:",
    "Limiar P/B:", "Seuil N/B:", "Umbral B/N:", "Limiar P/B:", "Z/W-drempel:"
};

// Information page

const TextTable kTxtSerialNumber = {
    "Serial number:", "Num\xE9ro de s\xE9rie:", "N\xFAmero de serie:", "Numero di serie:",
    "Seriennummer:", "N\xFAmero de s\xE9rie:", "Num\xE9ro de s\xE9rie:", "N\xFAmero de serie:",
    "N\xFAmero de s\xE9rie:", "Serienummer:"
};
const TextTable kTxtDsVersion = {
    "DS version:", "Version DS:", "Versi\xF3n DS:", "Versione DS:", "DS-Version:",
    "Vers\xE3o DS:", "Version DS:", "Versi\xF3n DS:", "Vers\xE3o DS:", "DS-versie:"
};
const TextTable kTxtDllVersion = {
    "DLL version:", "Version DLL:", "Versi\xF3n DLL:", "Versione DLL:", "DLL-Version:",
    "Vers\xE3o DLL:", "Version DLL:", "Versi\xF3n DLL:", "Vers\xE3o DLL:", "DLL-versie:"
};
const TextTable kTxtLegalNotice = {
    "Tarvex 380\n"
    "Copyright \xA9 Mirevo. All rights reserved.\n\n"
    "This software and its documentation are protected by copyright law. Copying or "
    "distributing them without permission is prohibited.",
    "Tarvex 380\n"
    "Copyright \xA9 Mirevo. Tous droits r\xE9serv\xE9s.\n\n"
    "Ce logiciel et sa documentation sont prot\xE9g\xE9s par le droit d'auteur. Toute "
    "copie ou diffusion sans autorisation est interdite.",
    "Tarvex 380\n"
    "Copyright \xA9 Mirevo. Todos los derechos reservados.\n\n"
    "Este software y su documentaci\xF3n est\xE1n protegidos por las leyes de derechos "
    "de autor. Queda prohibida su copia o distribuci\xF3n sin autorizaci\xF3n.",
    "Tarvex 380\n"
    "Copyright \xA9 Mirevo. Tutti i diritti riservati.\n\n"
    "Questo software e la relativa documentazione sono protetti dalle leggi sul diritto "
    "d'autore. \xC8 vietata la copia o la distribuzione senza autorizzazione.",
    "Tarvex 380\n"
    "Copyright \xA9 Mirevo. Alle Rechte vorbehalten.\n\n"
    "Diese Software und ihre Dokumentation sind urheberrechtlich gesch\xFCtzt. Vervielf\xE4ltigung "
    "oder Weitergabe ohne Genehmigung ist untersagt.",
    "Tarvex 380\n"
    "Copyright \xA9 Mirevo. Todos os direitos reservados.\n\n"
    "Este software e a respetiva documenta\xE7\xE3o est\xE3o protegidos por direitos "
    "de autor. \xC9 proibida a sua c\xF3pia ou distribui\xE7\xE3o sem autoriza\xE7\xE3o.",
    "Tarvex 380\n"
    "Copyright \xA9 Mirevo. Tous droits r\xE9serv\xE9s.\n\n"
    "Ce logiciel et sa documentation sont prot\xE9g\xE9s par le droit d'auteur. Toute "
    "copie ou diffusion sans autorisation est interdite.",
    "Tarvex 380\n"
    "Copyright \xA9 Mirevo. Todos los derechos reservados.\n\n"
    "Este software y su documentaci\xF3n est\xE1n protegidos por las leyes de derechos "
    "de autor. Queda prohibida su copia o distribuci\xF3n sin autorizaci\xF3n.",
    "Tarvex 380\n"
    "Copyright \xA9 Mirevo. Todos os direitos reservados.\n\n"
    "Este software e sua documenta\xE7\xE3o s\xE3o protegidos pelas leis de direitos "
    "autorais. \xC9 proibida a c\xF3pia ou distribui\xE7\xE3o sem autoriza\xE7\xE3o.",
    "Tarvex 380\n"
    "Copyright \xA9 Mirevo. Alle rechten voorbehouden.\n\n"
    "Deze software en de bijbehorende documentatie zijn auteursrechtelijk beschermd. "
    "Kopi\xEBren of verspreiden zonder toestemming is niet toegestaan."
};

// Continue-scan dialog

const TextTable kTxtInsertNextDocument = TX_UNTRANSLATED(
    "Please insert another document in the slot of the scanner to continue scanning. "
    "If you have scanned your last document then click Finish.");
const TextTable kTxtSecondsLeft = {
    "%d seconds", "%d secondes", "%d segundos", "%d secondi", "%d Sekunden", "%d segundos",
    "%d secondes", "%d segundos", "%d segundos", "%d seconden"
};
const TextTable kTxtFinish = {
    "Finish", "Terminer", "Finalizar", "Fine", "Fertig stellen", "Concluir", "Terminer",
    "Finalizar", "Concluir", "Voltooien"
};

}  // namespace dstext
}  // namespace tx
