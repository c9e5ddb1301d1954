<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="nl">
<context>
    <name>AccessibleTexts</name>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Kaarten</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>Infobalk</source>
        <translation>Infoleiste</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Bewaart de instellingen en sluit het programma</source>
        <translation>Speichert die Einstellungen und beendet das Programm</translation>
    </message>
    <message>
        <source>Begint een nieuwe serie</source>
        <translation>Beginnt eine neue Serie</translation>
    </message>
    <message>
        <source>Opent een bewaarde serie</source>
        <translation>Öffnet eine gespeicherte Serie</translation>
    </message>
    <message>
        <source>Bewaart de serie</source>
        <translation>Speichert die Serie</translation>
    </message>
    <message>
        <source>Toont de hulp, of sluit haar weer</source>
        <translation>Zeigt die Hilfe oder schließt sie wieder</translation>
    </message>
    <message>
        <source>Drukt de voorkanten of de rugzijden af</source>
        <translation>Druckt die Vorderseiten oder die Rückseiten</translation>
    </message>
    <message>
        <source>Bewaart de serie of het hele spel als afbeelding of PDF</source>
        <translation>Speichert die Serie oder das ganze Spiel als Bild oder PDF</translation>
    </message>
    <message>
        <source>Enter of spatie kiest een foto; de pijltjestoetsen, plus, min en 0 verschuiven, vergroten en herstellen de uitsnede</source>
        <translation>Eingabe oder Leertaste wählt ein Foto; die Pfeiltasten, Plus, Minus und 0 verschieben, vergrößern und setzen den Ausschnitt zurück</translation>
    </message>
    <message>
        <source>Kaart %1</source>
        <translation>Karte %1</translation>
    </message>
    <message>
        <source>Onderwerp, kaart %1</source>
        <translation>Thema, Karte %1</translation>
    </message>
    <message>
        <source>Het onderwerp staat op alle vier kaarten</source>
        <translation>Das Thema steht auf allen vier Karten</translation>
    </message>
    <message>
        <source>Naam %1, kaart %2, de eigen naam van deze kaart</source>
        <translation>Name %1, Karte %2, der eigene Name dieser Karte</translation>
    </message>
    <message>
        <source>Naam %1, kaart %2</source>
        <translation>Name %1, Karte %2</translation>
    </message>
    <message>
        <source>Elke naam staat op alle vier kaarten; elke kaart toont haar eigen naam gemarkeerd</source>
        <translation>Jeder Name steht auf allen vier Karten; jede Karte zeigt ihren eigenen Namen hervorgehoben</translation>
    </message>
    <message>
        <source>Toont de kaarten met onderwerp, foto en namen</source>
        <translation>Zeigt die Karten mit Thema, Foto und Namen</translation>
    </message>
    <message>
        <source>Toont de kaarten met alleen foto&apos;s, zonder tekst</source>
        <translation>Zeigt die Karten nur mit Fotos, ohne Text</translation>
    </message>
    <message>
        <source>geen foto</source>
        <translation>kein Foto</translation>
    </message>
    <message>
        <source>Foto van kaart %1: %2</source>
        <translation>Foto von Karte %1: %2</translation>
    </message>
    <message>
        <source>Foto van kaart %1: %2 (%3)</source>
        <translation>Foto von Karte %1: %2 (%3)</translation>
    </message>
    <message>
        <source>Kleine foto van kaart %1: %2</source>
        <translation>Kleines Foto von Karte %1: %2</translation>
    </message>
</context>
<context>
    <name>CardFaces</name>
    <message>
        <source>Mosaret serie: </source>
        <translation>Mosaret-Serie: </translation>
    </message>
</context>
<context>
    <name>CardSheet</name>
    <message>
        <source>Foto wordt gelezen…</source>
        <translation>Foto wird gelesen…</translation>
    </message>
    <message>
        <source>Foto kan niet worden gelezen</source>
        <translation>Foto kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>1 serie nagekeken</source>
        <translation>1 Serie geprüft</translation>
    </message>
    <message>
        <source>%1 series nagekeken</source>
        <translation>%1 Serien geprüft</translation>
    </message>
    <message>
        <source>: %1 klaar, %2 niet klaar, </source>
        <translation>: %1 fertig, %2 nicht fertig, </translation>
    </message>
    <message>
        <source>1 probleem.</source>
        <translation>1 Problem.</translation>
    </message>
    <message>
        <source>%1 problemen.</source>
        <translation>%1 Probleme.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Schrijf de genoemde series, of zonder SERIE.msr alle bewaarde series, als één PDF om dubbelzijdig af te drukken, en stop.</source>
        <translation>Die genannten Serien, ohne SERIE.msr alle gespeicherten Serien, als ein PDF für den beidseitigen Druck schreiben und beenden.</translation>
    </message>
    <message>
        <source>UIT.pdf</source>
        <translation>AUS.pdf</translation>
    </message>
    <message>
        <source>Zeg van de genoemde series, of zonder SERIE.msr van alle bewaarde series, wat er nog ontbreekt, en stop. Eindigt met 0 als alles klaar is en met 2 als er iets ontbreekt.</source>
        <translation>Sagen, was den genannten Serien, ohne SERIE.msr allen gespeicherten Serien, noch fehlt, und beenden. Endet mit 0, wenn alles fertig ist, und mit 2, wenn etwas fehlt.</translation>
    </message>
    <message>
        <source>Het ontwerp voor de rugzijde: kaartN.jpg uit de map kaarten (zonder deze optie 2).</source>
        <translation>Das Motiv für die Rückseite: kaartN.jpg aus dem Ordner kaarten (ohne diese Option 2).</translation>
    </message>
    <message>
        <source>Het papier van de PDF: a4 of letter (zonder deze optie dat van de standaardprinter, of anders dat van uw land).</source>
        <translation>Das Papier des PDFs: a4 oder letter (ohne diese Option das des Standarddruckers, sonst das Ihres Landes).</translation>
    </message>
    <message>
        <source>PAPIER</source>
        <translation>PAPIER</translation>
    </message>
    <message>
        <source>Toon deze uitleg.</source>
        <translation>Diese Hilfe zeigen.</translation>
    </message>
    <message>
        <source>Toon de versie van het programma.</source>
        <translation>Die Version des Programms zeigen.</translation>
    </message>
    <message>
        <source>SERIE.msr</source>
        <translation>SERIE.msr</translation>
    </message>
    <message>
        <source>Een serie om te openen, of voor de PDF.</source>
        <translation>Eine Serie zum Öffnen oder für das PDF.</translation>
    </message>
    <message>
        <source>Na %1 ontbreekt een waarde.</source>
        <translation>Nach %1 fehlt ein Wert.</translation>
    </message>
    <message>
        <source>Onbekende optie: %1.</source>
        <translation>Unbekannte Option: %1.</translation>
    </message>
    <message>
        <source>--check gaat niet samen met --pdf.</source>
        <translation>--check geht nicht zusammen mit --pdf.</translation>
    </message>
    <message>
        <source>--back-design hoort bij --pdf UIT.pdf.</source>
        <translation>--back-design gehört zu --pdf AUS.pdf.</translation>
    </message>
    <message>
        <source>--paper hoort bij --pdf UIT.pdf.</source>
        <translation>--paper gehört zu --pdf AUS.pdf.</translation>
    </message>
    <message>
        <source>Het venster opent één serie tegelijk; noem er één.</source>
        <translation>Das Fenster öffnet nur eine Serie auf einmal; nennen Sie eine.</translation>
    </message>
    <message>
        <source>Na --pdf ontbreekt de naam van de PDF.</source>
        <translation>Nach --pdf fehlt der Name des PDFs.</translation>
    </message>
    <message>
        <source>--back-design wil een heel getal van 2 of meer: het nummer van een ontwerp voor de rugzijde, niet &quot;%1&quot;.</source>
        <translation>--back-design erwartet eine ganze Zahl ab 2: die Nummer eines Motivs für die Rückseite, nicht &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--paper wil a4 of letter, niet &quot;%1&quot;.</source>
        <translation>--paper erwartet a4 oder letter, nicht &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>
Zie %1 --help.</source>
        <translation>
Siehe %1 --help.</translation>
    </message>
    <message>
        <source>Gebruik: %1 [SERIE.msr]
       %1 --pdf UIT.pdf [SERIE.msr ...] [--back-design N] [--paper a4|letter]
       %1 --check [SERIE.msr ...]

Zonder opties opent %1 zijn venster, met SERIE.msr als die genoemd is.

Opties:
</source>
        <translation>Aufruf: %1 [SERIE.msr]
        %1 --pdf AUS.pdf [SERIE.msr ...] [--back-design N] [--paper a4|letter]
        %1 --check [SERIE.msr ...]

Ohne Optionen öffnet %1 sein Fenster, mit SERIE.msr, wenn eine genannt ist.

Optionen:
</translation>
    </message>
    <message>
        <source>Mosaret Designer versie %1
</source>
        <translation>Mosaret Designer Version %1
</translation>
    </message>
</context>
<context>
    <name>DeckSwitcher</name>
    <message>
        <source>Normaal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Kinder mosaret</source>
        <translation>Kinder Mosaret</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>De afbeelding is niet opgeslagen</source>
        <translation>Das Bild wurde nicht gespeichert</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <translation>Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>PDF-document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Heel spel als PDF (*.pdf)</source>
        <translation>Ganzes Spiel als PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Een naam op .msr is voor een serie; de export zou haar vervangen. Kies een andere naam. Er is niets opgeslagen.</source>
        <translation>Ein Name auf .msr ist für eine Serie; der Export würde sie ersetzen. Wählen Sie einen anderen Namen. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>%1 bestaat al. Wilt u het vervangen?</source>
        <translation>%1 existiert bereits. Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>%1: %2 kan niet worden geschreven (%3).</source>
        <translation>%1: %2 kann nicht geschrieben werden (%3).</translation>
    </message>
    <message>
        <source>er is geen afbeelding</source>
        <translation>es gibt kein Bild</translation>
    </message>
</context>
<context>
    <name>GameCheck</name>
    <message>
        <source>kan niet gelezen worden</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>kaart %1 heeft geen foto</source>
        <translation>Karte %1 hat kein Foto</translation>
    </message>
    <message>
        <source>foto van kaart %1 niet gevonden</source>
        <translation>Foto von Karte %1 nicht gefunden</translation>
    </message>
    <message>
        <source>naam %1 is leeg</source>
        <translation>Name %1 ist leer</translation>
    </message>
    <message>
        <source>zelfde onderwerp als %1</source>
        <translation>gleiches Thema wie %1</translation>
    </message>
</context>
<context>
    <name>GameDialog</name>
    <message>
        <source>Spel samenstellen</source>
        <translation>Spiel zusammenstellen</translation>
    </message>
    <message>
        <source>Onderwerp</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>Bestand</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Foto&apos;s</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Nog te doen</source>
        <translation>Noch zu tun</translation>
    </message>
    <message>
        <source>Alles</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Niets</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>PDF maken</source>
        <translation>PDF erstellen</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>1 serie</source>
        <translation>1 Serie</translation>
    </message>
    <message>
        <source>%1 series</source>
        <translation>%1 Serien</translation>
    </message>
    <message>
        <source>, %1 kaarten</source>
        <translation>, %1 Karten</translation>
    </message>
    <message>
        <source>Series van het spel</source>
        <translation>Serien des Spiels</translation>
    </message>
    <message>
        <source>Spatie kiest of een serie in het spel komt; een dubbelklik opent haar</source>
        <translation>Die Leertaste wählt, ob eine Serie ins Spiel kommt; ein Doppelklick öffnet sie</translation>
    </message>
</context>
<context>
    <name>GameExport</name>
    <message>
        <source>Heel spel als PDF</source>
        <translation>Ganzes Spiel als PDF</translation>
    </message>
    <message>
        <source>Serie %1 van %2: %3</source>
        <translation>Serie %1 von %2: %3</translation>
    </message>
</context>
<context>
    <name>GameReport</name>
    <message>
        <source>1 serie</source>
        <translation>1 Serie</translation>
    </message>
    <message>
        <source>%1 series</source>
        <translation>%1 Serien</translation>
    </message>
    <message>
        <source> Papier: %1.</source>
        <translation> Papier: %1.</translation>
    </message>
    <message>
        <source>Het spel is opgeslagen als &quot;%1&quot;: %2 op %3 pagina&apos;s.</source>
        <translation>Das Spiel wurde als &quot;%1&quot; gespeichert: %2 auf %3 Seiten.</translation>
    </message>
    <message>
        <source>Het schrijven van het spel is afgebroken. Er is geen PDF opgeslagen; een bestaand bestand met die naam is ongewijzigd.</source>
        <translation>Das Schreiben des Spiels wurde abgebrochen. Es wurde kein PDF gespeichert; eine vorhandene Datei mit diesem Namen ist unverändert.</translation>
    </message>
    <message>
        <source>

Overgeslagen, omdat ze niet geladen konden worden:
- </source>
        <translation>

Übersprungen, weil sie nicht geladen werden konnten:
- </translation>
    </message>
    <message>
        <source>%1 geschreven: %2, %3 pagina&apos;s, %4 overgeslagen.</source>
        <translation>%1 geschrieben: %2, %3 Seiten, %4 übersprungen.</translation>
    </message>
</context>
<context>
    <name>GameWriter</name>
    <message>
        <source>Er zijn geen series om in het spel te zetten. Er is geen PDF geschreven.</source>
        <translation>Es gibt keine Serien für das Spiel. Es wurde kein PDF geschrieben.</translation>
    </message>
    <message>
        <source>Mosaret spel</source>
        <translation>Mosaret-Spiel</translation>
    </message>
    <message>
        <source>Geen enkele serie kon worden geladen. Er is geen PDF geschreven.</source>
        <translation>Keine einzige Serie konnte geladen werden. Es wurde kein PDF geschrieben.</translation>
    </message>
</context>
<context>
    <name>InfoBar</name>
    <message>
        <source>Klik op de vakken voor de foto en teksten</source>
        <translation>Klicken Sie auf die Felder für Foto und Texte</translation>
    </message>
</context>
<context>
    <name>LoadDialog</name>
    <message>
        <source> Puzzel laden</source>
        <translation> Serie laden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Naam mosaret</source>
        <translation>Mosaret-Name</translation>
    </message>
    <message>
        <source>Géén bestand geselecteerd!</source>
        <translation>Keine Datei ausgewählt!</translation>
    </message>
    <message>
        <source>Serie kiezen</source>
        <translation>Serie wählen</translation>
    </message>
    <message>
        <source>Bewaarde series</source>
        <translation>Gespeicherte Serien</translation>
    </message>
    <message>
        <source>Kies een serie met de pijltjestoetsen en druk op Enter om haar te laden</source>
        <translation>Wählen Sie eine Serie mit den Pfeiltasten und drücken Sie die Eingabetaste, um sie zu laden</translation>
    </message>
</context>
<context>
    <name>LoadSeries</name>
    <message>
        <source>Naam van deze serie: </source>
        <translation>Name dieser Serie: </translation>
    </message>
    <message>
        <source>; 1 foto ontbreekt</source>
        <translation>; 1 Foto fehlt</translation>
    </message>
    <message>
        <source>; %1 foto&apos;s ontbreken</source>
        <translation>; %1 Fotos fehlen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Fout bij het laden!</source>
        <translation>Fehler beim Laden!</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Druk nogmaals op Help om dit venster weer te sluiten...</source>
        <translation>Nochmals Hilfe drücken schließt dieses Fenster...</translation>
    </message>
    <message>
        <source>De serie is nog niet bewaard. Wilt u haar eerst bewaren?</source>
        <translation>Die Serie ist noch nicht gespeichert. Möchten Sie sie zuerst speichern?</translation>
    </message>
    <message>
        <source>Er is een serie die niet bewaard is (onderwerp: %1). Wilt u haar terughalen?</source>
        <translation>Es gibt eine nicht gespeicherte Serie (Thema: %1). Möchten Sie sie zurückholen?</translation>
    </message>
</context>
<context>
    <name>MenuRow</name>
    <message>
        <source>Nieuw</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Afdrukken</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source> Naar BMP (bitmap) </source>
        <translation> Als BMP (Bitmap) </translation>
    </message>
</context>
<context>
    <name>PdfCommand</name>
    <message>
        <source>%1 kan een serie vervangen: </source>
        <translation>%1 könnte eine Serie ersetzen: </translation>
    </message>
    <message>
        <source> Kies een andere naam voor de PDF. Er is geen PDF geschreven.</source>
        <translation> Wählen Sie einen anderen Namen für das PDF. Es wurde kein PDF geschrieben.</translation>
    </message>
    <message>
        <source>de naam eindigt op .msr.</source>
        <translation>der Name endet auf .msr.</translation>
    </message>
    <message>
        <source>het is een van de series voor de PDF.</source>
        <translation>es ist eine der Serien für das PDF.</translation>
    </message>
    <message>
        <source>het ligt in de map met series (%1).</source>
        <translation>es liegt im Ordner der Serien (%1).</translation>
    </message>
    <message>
        <source>Kan de map (Kaarten) niet vinden: %1. Er is geen PDF geschreven.</source>
        <translation>Der Ordner (Kaarten) ist nicht zu finden: %1. Es wurde kein PDF geschrieben.</translation>
    </message>
    <message>
        <source>Er staan geen series in de map %1. Er is geen PDF geschreven.</source>
        <translation>Im Ordner %1 liegen keine Serien. Es wurde kein PDF geschrieben.</translation>
    </message>
    <message>
        <source>Overgeslagen: </source>
        <translation>Übersprungen: </translation>
    </message>
</context>
<context>
    <name>PdfPages</name>
    <message>
        <source>: de PDF kan niet worden gemaakt.</source>
        <translation>: das PDF kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>: de PDF kan niet worden afgesloten.</source>
        <translation>: das PDF kann nicht abgeschlossen werden.</translation>
    </message>
</context>
<context>
    <name>PhotoPlaceholder</name>
    <message>
        <source>Foto</source>
        <comment>the word on a card that has no photo yet</comment>
        <translation>Foto</translation>
    </message>
</context>
<context>
    <name>PhotoPlacement</name>
    <message>
        <source>Afbeeldingen (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <source>Foto</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Er is 1 foto geplaatst.</source>
        <translation>1 Foto wurde eingesetzt.</translation>
    </message>
    <message>
        <source>Er zijn %1 foto&apos;s geplaatst.</source>
        <translation>%1 Fotos wurden eingesetzt.</translation>
    </message>
    <message>
        <source>Er is %1 van de %2 foto&apos;s geplaatst.</source>
        <translation>%1 von %2 Fotos wurde eingesetzt.</translation>
    </message>
    <message>
        <source>Er zijn %1 van de %2 foto&apos;s geplaatst.</source>
        <translation>%1 von %2 Fotos wurden eingesetzt.</translation>
    </message>
</context>
<context>
    <name>PhotoPreparer</name>
    <message>
        <source>Het bestand &quot;%1&quot; bestaat niet.</source>
        <translation>Die Datei &quot;%1&quot; existiert nicht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is geen bestand maar een map of apparaat.</source>
        <translation>&quot;%1&quot; ist keine Datei, sondern ein Ordner oder Gerät.</translation>
    </message>
    <message>
        <source>Het bestand &quot;%1&quot; kan niet worden geopend.</source>
        <translation>Die Datei &quot;%1&quot; kann nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>PictureBox</name>
    <message>
        <source>Uitsnede herstellen</source>
        <translation>Ausschnitt zurücksetzen</translation>
    </message>
</context>
<context>
    <name>PictureReader</name>
    <message>
        <source>Het bestand &quot;%1&quot; is geen leesbare foto.</source>
        <translation>Die Datei &quot;%1&quot; ist kein lesbares Foto.</translation>
    </message>
    <message>
        <source>De foto &quot;%1&quot; is te groot (%2 x %3 beeldpunten).</source>
        <translation>Das Foto &quot;%1&quot; ist zu groß (%2 x %3 Pixel).</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source> Mosaretspel afdrukken</source>
        <translation> Mosaret-Spiel drucken</translation>
    </message>
    <message>
        <source>Kan de map (Kaarten) niet vinden!</source>
        <translation>Der Ordner (Kaarten) ist nicht zu finden!</translation>
    </message>
    <message>
        <source>Onderwerp</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>Afdrukken van de voorkant</source>
        <translation>Drucken der Vorderseite</translation>
    </message>
    <message>
        <source>Afdrukken van de rugzijde</source>
        <translation>Drucken der Rückseite</translation>
    </message>
    <message>
        <source>Leg hetzelfde vel met de bedrukte kant naar beneden terug in de printer en klik op OK.</source>
        <translation>Legen Sie dasselbe Blatt mit der bedruckten Seite nach unten wieder in den Drucker und klicken Sie auf OK.</translation>
    </message>
    <message>
        <source>Coördinaten van rugzijde</source>
        <translation>Lage der Rückseite</translation>
    </message>
    <message>
        <source>Allen wijzigen indien rugzijde niet precies in het midden op de achterzijde van de kaart komt te liggen, zie helpfunctie.</source>
        <translation>Nur ändern, wenn die Rückseite nicht genau mittig hinter der Karte liegt; siehe Hilfe.</translation>
    </message>
    <message>
        <source>Testvel</source>
        <translation>Testblatt</translation>
    </message>
    <message>
        <source>Aantal afdrukken</source>
        <translation>Anzahl Ausdrucke</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Afdrukken</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Voorbeeld van de kaart</source>
        <translation>Vorschau der Karte</translation>
    </message>
    <message>
        <source>Voorkant of rugzijde</source>
        <translation>Vorderseite oder Rückseite</translation>
    </message>
    <message>
        <source>Bovenaan drukt de voorkanten af; elke stap lager een ontwerp voor de rugzijde</source>
        <translation>Ganz oben druckt die Vorderseiten; jede Stufe tiefer ein Muster für die Rückseiten</translation>
    </message>
    <message>
        <source>X-positie van de rugzijde, in twips</source>
        <translation>X-Position der Rückseite, in Twips</translation>
    </message>
    <message>
        <source>Y-positie van de rugzijde, in twips</source>
        <translation>Y-Position der Rückseite, in Twips</translation>
    </message>
    <message>
        <source>Drukt een testvel af waarmee u X en Y vindt</source>
        <translation>Druckt ein Testblatt, mit dem Sie X und Y finden</translation>
    </message>
    <message>
        <source>Plaats van de foto</source>
        <translation>Platz des Fotos</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Het ontwerp voor de rugzijde kan niet worden geladen:
%1

%2</source>
        <translation>Das Motiv für die Rückseite kann nicht geladen werden:
%1

%2</translation>
    </message>
    <message>
        <source>Vul bij &quot;Aantal afdrukken&quot; een heel getal van 1 tot en met %1 in. %2</source>
        <translation>Geben Sie bei &quot;Anzahl Ausdrucke&quot; eine ganze Zahl von 1 bis %1 ein. %2</translation>
    </message>
    <message>
        <source>Mosaret rugzijde </source>
        <translation>Mosaret-Rückseite </translation>
    </message>
    <message>
        <source>Mosaret testvel kant %1</source>
        <translation>Mosaret-Testblatt Seite %1</translation>
    </message>
    <message>
        <source>De X-coördinaat van de rugzijde (&quot;%1&quot;) is geen getal. Vul bij X een getal in, bijvoorbeeld 1680. %2</source>
        <translation>Die X-Koordinate der Rückseite (&quot;%1&quot;) ist keine Zahl. Geben Sie bei X eine Zahl ein, zum Beispiel 1680. %2</translation>
    </message>
    <message>
        <source>De Y-coördinaat van de rugzijde is geen heel getal. Vul bij Y een heel getal in, bijvoorbeeld 2400. %1</source>
        <translation>Die Y-Koordinate der Rückseite ist keine ganze Zahl. Geben Sie bei Y eine ganze Zahl ein, zum Beispiel 2400. %1</translation>
    </message>
    <message>
        <source>Er is niets afgedrukt.</source>
        <translation>Es wurde nichts gedruckt.</translation>
    </message>
</context>
<context>
    <name>PrinterPageSink</name>
    <message>
        <source>Er is onvoldoende geheugen voor de afdruk.</source>
        <translation>Für den Ausdruck ist nicht genug Speicher frei.</translation>
    </message>
    <message>
        <source>Er is geen afdruk geopend.</source>
        <translation>Es wurde kein Ausdruck begonnen.</translation>
    </message>
    <message>
        <source>Er is geen standaardprinter ingesteld. Stel eerst een printer in als standaardprinter en probeer het opnieuw.</source>
        <translation>Es ist kein Standarddrucker eingestellt. Stellen Sie zuerst einen Drucker als Standarddrucker ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>De printer &quot;%1&quot; is niet gevonden. Er is niets afgedrukt.</source>
        <translation>Der Drucker &quot;%1&quot; wurde nicht gefunden. Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>De printer &quot;%1&quot; kan niet staand op %2 afdrukken. Er is niets afgedrukt.</source>
        <translation>Der Drucker &quot;%1&quot; kann nicht im Hochformat auf %2 drucken. Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>De printer &quot;%1&quot; kan niet worden geopend. Er is niets afgedrukt.</source>
        <translation>Der Drucker &quot;%1&quot; kann nicht geöffnet werden. Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>De pagina kon niet naar de printer &quot;%1&quot; worden gestuurd. Controleer de printer en probeer het opnieuw.</source>
        <translation>Die Seite konnte nicht an den Drucker &quot;%1&quot; gesendet werden. Prüfen Sie den Drucker und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>,</source>
        <comment>decimal separator of the centimetres</comment>
        <translation>,</translation>
    </message>
    <message>
        <source>Het papier %1 van de printer &quot;%2&quot; is te klein voor de vier kaarten: ze hebben %3 x %4 cm nodig binnen de marges van de printer, en op %1 is dat %5 x %6 cm. Kies een printer met groter papier, zoals A4. Er is niets afgedrukt.</source>
        <translation>Das Papier %1 des Druckers &quot;%2&quot; ist zu klein für die vier Karten: Sie brauchen %3 x %4 cm innerhalb der Ränder des Druckers, und auf %1 sind es %5 x %6 cm. Wählen Sie einen Drucker mit größerem Papier, etwa A4. Es wurde nichts gedruckt.</translation>
    </message>
</context>
<context>
    <name>QtUserPrompts</name>
    <message>
        <source>Annuleren</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>RecoveryCopy</name>
    <message>
        <source>De kopie van het niet bewaarde werk is beschadigd.</source>
        <translation>Die Kopie der nicht gespeicherten Arbeit ist beschädigt.</translation>
    </message>
</context>
<context>
    <name>RecoveryFolder</name>
    <message>
        <source>de map &quot;%1&quot; kan niet worden aangemaakt</source>
        <translation>der Ordner &quot;%1&quot; kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>in de map &quot;%1&quot; kan niet worden geschreven</source>
        <translation>in den Ordner &quot;%1&quot; kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>De kopie van het niet bewaarde werk is niet bewaard</source>
        <translation>Die Kopie der nicht gespeicherten Arbeit wurde nicht gespeichert</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is geen leesbare kopie.</source>
        <translation>&quot;%1&quot; ist keine lesbare Kopie.</translation>
    </message>
</context>
<context>
    <name>RecoveryKeeper</name>
    <message>
        <source>Let op: er kan geen reservekopie van de serie worden bewaard.</source>
        <translation>Achtung: Keine Sicherungskopie der Serie möglich.</translation>
    </message>
</context>
<context>
    <name>SaveCommand</name>
    <message>
        <source> Save</source>
        <translation> Speichern</translation>
    </message>
    <message>
        <source>Geef een naam voor deze serie van het mosaret...</source>
        <translation>Geben Sie dieser Serie des Mosaret einen Namen...</translation>
    </message>
    <message>
        <source> Exist</source>
        <translation> Vorhanden</translation>
    </message>
    <message>
        <source>Deze naam bestaat reeds, wilt u toch saven?</source>
        <translation>Dieser Name existiert bereits. Trotzdem speichern?</translation>
    </message>
    <message>
        <source>Deze teksten bevatten tekens die een seriebestand niet kan bewaren; elk van die tekens wordt als &quot;?&quot; opgeslagen:

%1

Wilt u toch saven?</source>
        <translation>Diese Texte enthalten Zeichen, die eine Seriendatei nicht speichern kann; jedes dieser Zeichen wird als &quot;?&quot; gespeichert:

%1

Trotzdem speichern?</translation>
    </message>
</context>
<context>
    <name>SeriesCommands</name>
    <message>
        <source>Nieuw</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Wilt u een nieuw ontwerp maken?</source>
        <translation>Möchten Sie einen neuen Entwurf beginnen?</translation>
    </message>
    <message>
        <source>Het bestand &quot;%1&quot; geeft geen gegevens.</source>
        <translation>Die Datei &quot;%1&quot; liefert keine Daten.</translation>
    </message>
    <message>
        <source>De foto &quot;%1&quot; kan niet worden gelezen: het bestand geeft geen gegevens.</source>
        <translation>Das Foto &quot;%1&quot; kann nicht gelesen werden: Die Datei liefert keine Daten.</translation>
    </message>
</context>
<context>
    <name>SeriesFile</name>
    <message>
        <source>Onderwerp</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>Foto van kaart %1</source>
        <translation>Foto von Karte %1</translation>
    </message>
    <message>
        <source>Naam %1 van kaart %2</source>
        <translation>Name %1 von Karte %2</translation>
    </message>
    <message>
        <source>Het bestand &quot;%1&quot; bestaat niet (meer).</source>
        <translation>Die Datei &quot;%1&quot; existiert nicht (mehr).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is geen gewoon bestand.</source>
        <translation>&quot;%1&quot; ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>Het bestand &quot;%1&quot; kan niet worden geopend.</source>
        <translation>Die Datei &quot;%1&quot; kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Het bestand is te groot om een serie te zijn.</source>
        <translation>Die Datei ist zu groß für eine Serie.</translation>
    </message>
    <message>
        <source>Het bestand bevat geen serie: het heeft minder dan twee regels.</source>
        <translation>Die Datei enthält keine Serie: Sie hat weniger als zwei Zeilen.</translation>
    </message>
</context>
<context>
    <name>SeriesFolder</name>
    <message>
        <source>Deze naam kan niet worden gebruikt: </source>
        <translation>Dieser Name kann nicht verwendet werden: </translation>
    </message>
    <message>
        <source>de naam is leeg.</source>
        <translation>der Name ist leer.</translation>
    </message>
    <message>
        <source>een naam mag geen / of \ bevatten.</source>
        <translation>ein Name darf kein / oder \ enthalten.</translation>
    </message>
    <message>
        <source>een naam mag geen regeleinde of ander stuurteken bevatten.</source>
        <translation>ein Name darf keinen Zeilenumbruch und kein anderes Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>&quot;.&quot; en &quot;..&quot; zijn geen namen voor een bestand.</source>
        <translation>&quot;.&quot; und &quot;..&quot; sind keine Namen für eine Datei.</translation>
    </message>
    <message>
        <source>de naam is te lang voor een bestandsnaam.</source>
        <translation>der Name ist zu lang für einen Dateinamen.</translation>
    </message>
    <message>
        <source>De serie is niet opgeslagen</source>
        <translation>Die Serie wurde nicht gespeichert</translation>
    </message>
    <message>
        <source>: de map &quot;%1&quot; kan niet worden aangemaakt.</source>
        <translation>: der Ordner &quot;%1&quot; kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is geen serie in de map met series.</source>
        <translation>&quot;%1&quot; ist keine Serie im Ordner der Serien.</translation>
    </message>
</context>
<context>
    <name>SeriesModel</name>
    <message>
        <source>Onderwerp</source>
        <translation>Thema</translation>
    </message>
</context>
<context>
    <name>SeriesPages</name>
    <message>
        <source>Er is geen PDF geschreven.</source>
        <translation>Es wurde kein PDF geschrieben.</translation>
    </message>
    <message>
        <source>De PDF is niet opgeslagen</source>
        <translation>Das PDF wurde nicht gespeichert</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>De instellingen zijn niet opgeslagen</source>
        <translation>Die Einstellungen wurden nicht gespeichert</translation>
    </message>
</context>
<context>
    <name>WholeFileWriter</name>
    <message>
        <source>de map &quot;%1&quot; bestaat niet.</source>
        <translation>der Ordner &quot;%1&quot; existiert nicht.</translation>
    </message>
    <message>
        <source>er staat al een map met de naam &quot;%1&quot;.</source>
        <translation>es gibt bereits einen Ordner namens &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is geen gewoon bestand en wordt niet overschreven.</source>
        <translation>&quot;%1&quot; ist keine gewöhnliche Datei und wird nicht überschrieben.</translation>
    </message>
    <message>
        <source>het bestand &quot;%1&quot; kan niet worden geschreven in de map &quot;%2&quot;. Controleer of u daar mag schrijven.</source>
        <translation>die Datei &quot;%1&quot; kann im Ordner &quot;%2&quot; nicht geschrieben werden. Prüfen Sie, ob Sie dort schreiben dürfen.</translation>
    </message>
    <message>
        <source> Het bestaande bestand is ongewijzigd gebleven.</source>
        <translation> Die vorhandene Datei ist unverändert geblieben.</translation>
    </message>
    <message>
        <source>het bestand &quot;%1&quot; kon niet volledig worden geschreven; misschien is de schijf vol.%2</source>
        <translation>die Datei &quot;%1&quot; konnte nicht vollständig geschrieben werden; vielleicht ist der Datenträger voll.%2</translation>
    </message>
</context>
</TS>
