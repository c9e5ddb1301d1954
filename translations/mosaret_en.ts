<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="nl">
<context>
    <name>AccessibleTexts</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Kaarten</source>
        <translation>Cards</translation>
    </message>
    <message>
        <source>Infobalk</source>
        <translation>Information bar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Bewaart de instellingen en sluit het programma</source>
        <translation>Saves the settings and closes the program</translation>
    </message>
    <message>
        <source>Begint een nieuwe serie</source>
        <translation>Starts a new series</translation>
    </message>
    <message>
        <source>Opent een bewaarde serie</source>
        <translation>Opens a saved series</translation>
    </message>
    <message>
        <source>Bewaart de serie</source>
        <translation>Saves the series</translation>
    </message>
    <message>
        <source>Toont de hulp, of sluit haar weer</source>
        <translation>Shows the help, or closes it again</translation>
    </message>
    <message>
        <source>Drukt de voorkanten of de rugzijden af</source>
        <translation>Prints the fronts or the backs</translation>
    </message>
    <message>
        <source>Bewaart de serie of het hele spel als afbeelding of PDF</source>
        <translation>Saves the series or the whole game as a picture or PDF</translation>
    </message>
    <message>
        <source>Enter of spatie kiest een foto; de pijltjestoetsen, plus, min en 0 verschuiven, vergroten en herstellen de uitsnede</source>
        <translation>Enter or Space chooses a photo; the arrow keys, plus, minus and 0 move, enlarge and reset the framing</translation>
    </message>
    <message>
        <source>Kaart %1</source>
        <translation>Card %1</translation>
    </message>
    <message>
        <source>Onderwerp, kaart %1</source>
        <translation>Subject, card %1</translation>
    </message>
    <message>
        <source>Het onderwerp staat op alle vier kaarten</source>
        <translation>The subject is on all four cards</translation>
    </message>
    <message>
        <source>Naam %1, kaart %2, de eigen naam van deze kaart</source>
        <translation>Name %1, card %2, this card&apos;s own name</translation>
    </message>
    <message>
        <source>Naam %1, kaart %2</source>
        <translation>Name %1, card %2</translation>
    </message>
    <message>
        <source>Elke naam staat op alle vier kaarten; elke kaart toont haar eigen naam gemarkeerd</source>
        <translation>Every name is on all four cards; each card shows its own name marked</translation>
    </message>
    <message>
        <source>Toont de kaarten met onderwerp, foto en namen</source>
        <translation>Shows the cards with subject, photo and names</translation>
    </message>
    <message>
        <source>Toont de kaarten met alleen foto&apos;s, zonder tekst</source>
        <translation>Shows the cards with photos only, without text</translation>
    </message>
    <message>
        <source>geen foto</source>
        <translation>no photo</translation>
    </message>
    <message>
        <source>Foto van kaart %1: %2</source>
        <translation>Photo of card %1: %2</translation>
    </message>
    <message>
        <source>Foto van kaart %1: %2 (%3)</source>
        <translation>Photo of card %1: %2 (%3)</translation>
    </message>
    <message>
        <source>Kleine foto van kaart %1: %2</source>
        <translation>Small photo of card %1: %2</translation>
    </message>
</context>
<context>
    <name>CardFaces</name>
    <message>
        <source>Mosaret serie: </source>
        <translation>Mosaret series: </translation>
    </message>
</context>
<context>
    <name>CardSheet</name>
    <message>
        <source>Foto wordt gelezen…</source>
        <translation>Reading photo…</translation>
    </message>
    <message>
        <source>Foto kan niet worden gelezen</source>
        <translation>Photo cannot be read</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>1 serie nagekeken</source>
        <translation>1 series checked</translation>
    </message>
    <message>
        <source>%1 series nagekeken</source>
        <translation>%1 series checked</translation>
    </message>
    <message>
        <source>: %1 klaar, %2 niet klaar, </source>
        <translation>: %1 finished, %2 unfinished, </translation>
    </message>
    <message>
        <source>1 probleem.</source>
        <translation>1 problem.</translation>
    </message>
    <message>
        <source>%1 problemen.</source>
        <translation>%1 problems.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Schrijf de genoemde series, of zonder SERIE.msr alle bewaarde series, als één PDF om dubbelzijdig af te drukken, en stop.</source>
        <translation>Write the named series, or without SERIES.msr every saved series, as one PDF to print double-sided, and stop.</translation>
    </message>
    <message>
        <source>UIT.pdf</source>
        <translation>OUT.pdf</translation>
    </message>
    <message>
        <source>Zeg van de genoemde series, of zonder SERIE.msr van alle bewaarde series, wat er nog ontbreekt, en stop. Eindigt met 0 als alles klaar is en met 2 als er iets ontbreekt.</source>
        <translation>Tell what the named series, or without SERIES.msr all saved series, still lack, and stop. Ends with 0 when everything is finished and with 2 when something is missing.</translation>
    </message>
    <message>
        <source>Het ontwerp voor de rugzijde: kaartN.jpg uit de map kaarten (zonder deze optie 2).</source>
        <translation>The design for the backs: kaartN.jpg from the folder kaarten (without this option 2).</translation>
    </message>
    <message>
        <source>Het papier van de PDF: a4 of letter (zonder deze optie dat van de standaardprinter, of anders dat van uw land).</source>
        <translation>The paper of the PDF: a4 or letter (without this option that of the default printer, or else that of your country).</translation>
    </message>
    <message>
        <source>PAPIER</source>
        <translation>PAPER</translation>
    </message>
    <message>
        <source>Toon deze uitleg.</source>
        <translation>Show this help.</translation>
    </message>
    <message>
        <source>Toon de versie van het programma.</source>
        <translation>Show the program&apos;s version.</translation>
    </message>
    <message>
        <source>SERIE.msr</source>
        <translation>SERIES.msr</translation>
    </message>
    <message>
        <source>Een serie om te openen, of voor de PDF.</source>
        <translation>A series to open, or for the PDF.</translation>
    </message>
    <message>
        <source>Na %1 ontbreekt een waarde.</source>
        <translation>%1 needs a value.</translation>
    </message>
    <message>
        <source>Onbekende optie: %1.</source>
        <translation>Unknown option: %1.</translation>
    </message>
    <message>
        <source>--check gaat niet samen met --pdf.</source>
        <translation>--check does not go together with --pdf.</translation>
    </message>
    <message>
        <source>--back-design hoort bij --pdf UIT.pdf.</source>
        <translation>--back-design belongs with --pdf OUT.pdf.</translation>
    </message>
    <message>
        <source>--paper hoort bij --pdf UIT.pdf.</source>
        <translation>--paper belongs with --pdf OUT.pdf.</translation>
    </message>
    <message>
        <source>Het venster opent één serie tegelijk; noem er één.</source>
        <translation>The window opens one series at a time; name one.</translation>
    </message>
    <message>
        <source>Na --pdf ontbreekt de naam van de PDF.</source>
        <translation>--pdf needs the name of the PDF.</translation>
    </message>
    <message>
        <source>--back-design wil een heel getal van 2 of meer: het nummer van een ontwerp voor de rugzijde, niet &quot;%1&quot;.</source>
        <translation>--back-design wants a whole number of 2 or more: the number of a design for the backs, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--paper wil a4 of letter, niet &quot;%1&quot;.</source>
        <translation>--paper wants a4 or letter, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>
Zie %1 --help.</source>
        <translation>
See %1 --help.</translation>
    </message>
    <message>
        <source>Gebruik: %1 [SERIE.msr]
       %1 --pdf UIT.pdf [SERIE.msr ...] [--back-design N] [--paper a4|letter]
       %1 --check [SERIE.msr ...]

Zonder opties opent %1 zijn venster, met SERIE.msr als die genoemd is.

Opties:
</source>
        <translation>Usage: %1 [SERIES.msr]
       %1 --pdf OUT.pdf [SERIES.msr ...] [--back-design N] [--paper a4|letter]
       %1 --check [SERIES.msr ...]

Without options %1 opens its window, with SERIES.msr when one is named.

Options:
</translation>
    </message>
    <message>
        <source>Mosaret Designer versie %1
</source>
        <translation>Mosaret Designer version %1
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
        <translation>Kids&apos; mosaret</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>De afbeelding is niet opgeslagen</source>
        <translation>The picture has not been saved</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <translation>Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>PDF-document (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Heel spel als PDF (*.pdf)</source>
        <translation>Whole game as PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Een naam op .msr is voor een serie; de export zou haar vervangen. Kies een andere naam. Er is niets opgeslagen.</source>
        <translation>A name ending in .msr is for a series; the export would replace it. Choose another name. Nothing has been saved.</translation>
    </message>
    <message>
        <source>%1 bestaat al. Wilt u het vervangen?</source>
        <translation>%1 already exists. Do you want to replace it?</translation>
    </message>
    <message>
        <source>%1: %2 kan niet worden geschreven (%3).</source>
        <translation>%1: %2 cannot be written (%3).</translation>
    </message>
    <message>
        <source>er is geen afbeelding</source>
        <translation>there is no picture</translation>
    </message>
</context>
<context>
    <name>GameCheck</name>
    <message>
        <source>kan niet gelezen worden</source>
        <translation>cannot be read</translation>
    </message>
    <message>
        <source>kaart %1 heeft geen foto</source>
        <translation>card %1 has no photo</translation>
    </message>
    <message>
        <source>foto van kaart %1 niet gevonden</source>
        <translation>photo of card %1 not found</translation>
    </message>
    <message>
        <source>naam %1 is leeg</source>
        <translation>name %1 is empty</translation>
    </message>
    <message>
        <source>zelfde onderwerp als %1</source>
        <translation>same subject as %1</translation>
    </message>
</context>
<context>
    <name>GameDialog</name>
    <message>
        <source>Spel samenstellen</source>
        <translation>Put the game together</translation>
    </message>
    <message>
        <source>Onderwerp</source>
        <translation>Subject</translation>
    </message>
    <message>
        <source>Bestand</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Foto&apos;s</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>Nog te doen</source>
        <translation>Still to do</translation>
    </message>
    <message>
        <source>Alles</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Niets</source>
        <translation>None</translation>
    </message>
    <message>
        <source>PDF maken</source>
        <translation>Make PDF</translation>
    </message>
    <message>
        <source>Annuleren</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>1 serie</source>
        <translation>1 series</translation>
    </message>
    <message>
        <source>%1 series</source>
        <translation>%1 series</translation>
    </message>
    <message>
        <source>, %1 kaarten</source>
        <translation>, %1 cards</translation>
    </message>
    <message>
        <source>Series van het spel</source>
        <translation>Series of the game</translation>
    </message>
    <message>
        <source>Spatie kiest of een serie in het spel komt; een dubbelklik opent haar</source>
        <translation>Space chooses whether a series goes into the game; a double-click opens it</translation>
    </message>
</context>
<context>
    <name>GameExport</name>
    <message>
        <source>Heel spel als PDF</source>
        <translation>Whole game as PDF</translation>
    </message>
    <message>
        <source>Serie %1 van %2: %3</source>
        <translation>Series %1 of %2: %3</translation>
    </message>
</context>
<context>
    <name>GameReport</name>
    <message>
        <source>1 serie</source>
        <translation>1 series</translation>
    </message>
    <message>
        <source>%1 series</source>
        <translation>%1 series</translation>
    </message>
    <message>
        <source> Papier: %1.</source>
        <translation> Paper: %1.</translation>
    </message>
    <message>
        <source>Het spel is opgeslagen als &quot;%1&quot;: %2 op %3 pagina&apos;s.</source>
        <translation>The game has been saved as &quot;%1&quot;: %2 on %3 pages.</translation>
    </message>
    <message>
        <source>Het schrijven van het spel is afgebroken. Er is geen PDF opgeslagen; een bestaand bestand met die naam is ongewijzigd.</source>
        <translation>Writing the game was cancelled. No PDF has been saved; an existing file with that name is unchanged.</translation>
    </message>
    <message>
        <source>

Overgeslagen, omdat ze niet geladen konden worden:
- </source>
        <translation>

Skipped, because they could not be loaded:
- </translation>
    </message>
    <message>
        <source>%1 geschreven: %2, %3 pagina&apos;s, %4 overgeslagen.</source>
        <translation>%1 written: %2, %3 pages, %4 skipped.</translation>
    </message>
</context>
<context>
    <name>GameWriter</name>
    <message>
        <source>Er zijn geen series om in het spel te zetten. Er is geen PDF geschreven.</source>
        <translation>There are no series to put in the game. No PDF has been written.</translation>
    </message>
    <message>
        <source>Mosaret spel</source>
        <translation>Mosaret game</translation>
    </message>
    <message>
        <source>Geen enkele serie kon worden geladen. Er is geen PDF geschreven.</source>
        <translation>Not one series could be loaded. No PDF has been written.</translation>
    </message>
</context>
<context>
    <name>InfoBar</name>
    <message>
        <source>Klik op de vakken voor de foto en teksten</source>
        <translation>Click the boxes for the photo and texts</translation>
    </message>
</context>
<context>
    <name>LoadDialog</name>
    <message>
        <source> Puzzel laden</source>
        <translation> Load a series</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Naam mosaret</source>
        <translation>Mosaret name</translation>
    </message>
    <message>
        <source>Géén bestand geselecteerd!</source>
        <translation>No file selected!</translation>
    </message>
    <message>
        <source>Serie kiezen</source>
        <translation>Choose a series</translation>
    </message>
    <message>
        <source>Bewaarde series</source>
        <translation>Saved series</translation>
    </message>
    <message>
        <source>Kies een serie met de pijltjestoetsen en druk op Enter om haar te laden</source>
        <translation>Choose a series with the arrow keys and press Enter to load it</translation>
    </message>
</context>
<context>
    <name>LoadSeries</name>
    <message>
        <source>Naam van deze serie: </source>
        <translation>Name of this series: </translation>
    </message>
    <message>
        <source>; 1 foto ontbreekt</source>
        <translation>; 1 photo is missing</translation>
    </message>
    <message>
        <source>; %1 foto&apos;s ontbreken</source>
        <translation>; %1 photos are missing</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Fout bij het laden!</source>
        <translation>Error while loading!</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Druk nogmaals op Help om dit venster weer te sluiten...</source>
        <translation>Press Help again to close this window...</translation>
    </message>
    <message>
        <source>De serie is nog niet bewaard. Wilt u haar eerst bewaren?</source>
        <translation>The series has not been saved yet. Do you want to save it first?</translation>
    </message>
    <message>
        <source>Er is een serie die niet bewaard is (onderwerp: %1). Wilt u haar terughalen?</source>
        <translation>There is a series that was not saved (subject: %1). Do you want to get it back?</translation>
    </message>
</context>
<context>
    <name>MenuRow</name>
    <message>
        <source>Nieuw</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Afdrukken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source> Naar BMP (bitmap) </source>
        <translation> To BMP (bitmap) </translation>
    </message>
</context>
<context>
    <name>PdfCommand</name>
    <message>
        <source>%1 kan een serie vervangen: </source>
        <translation>%1 could replace a series: </translation>
    </message>
    <message>
        <source> Kies een andere naam voor de PDF. Er is geen PDF geschreven.</source>
        <translation> Choose another name for the PDF. No PDF has been written.</translation>
    </message>
    <message>
        <source>de naam eindigt op .msr.</source>
        <translation>the name ends in .msr.</translation>
    </message>
    <message>
        <source>het is een van de series voor de PDF.</source>
        <translation>it is one of the series for the PDF.</translation>
    </message>
    <message>
        <source>het ligt in de map met series (%1).</source>
        <translation>it lies in the series folder (%1).</translation>
    </message>
    <message>
        <source>Kan de map (Kaarten) niet vinden: %1. Er is geen PDF geschreven.</source>
        <translation>Cannot find the folder (Kaarten): %1. No PDF has been written.</translation>
    </message>
    <message>
        <source>Er staan geen series in de map %1. Er is geen PDF geschreven.</source>
        <translation>There are no series in the folder %1. No PDF has been written.</translation>
    </message>
    <message>
        <source>Overgeslagen: </source>
        <translation>Skipped: </translation>
    </message>
</context>
<context>
    <name>PdfPages</name>
    <message>
        <source>: de PDF kan niet worden gemaakt.</source>
        <translation>: the PDF cannot be made.</translation>
    </message>
    <message>
        <source>: de PDF kan niet worden afgesloten.</source>
        <translation>: the PDF cannot be closed.</translation>
    </message>
</context>
<context>
    <name>PhotoPlaceholder</name>
    <message>
        <source>Foto</source>
        <comment>the word on a card that has no photo yet</comment>
        <translation>Photo</translation>
    </message>
</context>
<context>
    <name>PhotoPlacement</name>
    <message>
        <source>Afbeeldingen (%1)</source>
        <translation>Pictures (%1)</translation>
    </message>
    <message>
        <source>Foto</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Er is 1 foto geplaatst.</source>
        <translation>1 photo has been placed.</translation>
    </message>
    <message>
        <source>Er zijn %1 foto&apos;s geplaatst.</source>
        <translation>%1 photos have been placed.</translation>
    </message>
    <message>
        <source>Er is %1 van de %2 foto&apos;s geplaatst.</source>
        <translation>%1 of the %2 photos has been placed.</translation>
    </message>
    <message>
        <source>Er zijn %1 van de %2 foto&apos;s geplaatst.</source>
        <translation>%1 of the %2 photos have been placed.</translation>
    </message>
</context>
<context>
    <name>PhotoPreparer</name>
    <message>
        <source>Het bestand &quot;%1&quot; bestaat niet.</source>
        <translation>The file &quot;%1&quot; does not exist.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is geen bestand maar een map of apparaat.</source>
        <translation>&quot;%1&quot; is not a file but a folder or device.</translation>
    </message>
    <message>
        <source>Het bestand &quot;%1&quot; kan niet worden geopend.</source>
        <translation>The file &quot;%1&quot; cannot be opened.</translation>
    </message>
</context>
<context>
    <name>PictureBox</name>
    <message>
        <source>Uitsnede herstellen</source>
        <translation>Reset framing</translation>
    </message>
</context>
<context>
    <name>PictureReader</name>
    <message>
        <source>Het bestand &quot;%1&quot; is geen leesbare foto.</source>
        <translation>The file &quot;%1&quot; is not a readable photo.</translation>
    </message>
    <message>
        <source>De foto &quot;%1&quot; is te groot (%2 x %3 beeldpunten).</source>
        <translation>The photo &quot;%1&quot; is too large (%2 x %3 pixels).</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source> Mosaretspel afdrukken</source>
        <translation> Print the mosaret game</translation>
    </message>
    <message>
        <source>Kan de map (Kaarten) niet vinden!</source>
        <translation>Cannot find the folder (Kaarten)!</translation>
    </message>
    <message>
        <source>Onderwerp</source>
        <translation>Subject</translation>
    </message>
    <message>
        <source>Afdrukken van de voorkant</source>
        <translation>Printing the fronts</translation>
    </message>
    <message>
        <source>Afdrukken van de rugzijde</source>
        <translation>Printing the backs</translation>
    </message>
    <message>
        <source>Leg hetzelfde vel met de bedrukte kant naar beneden terug in de printer en klik op OK.</source>
        <translation>Put the same sheet back into the printer with the printed side down and click OK.</translation>
    </message>
    <message>
        <source>Coördinaten van rugzijde</source>
        <translation>Position of the backs</translation>
    </message>
    <message>
        <source>Allen wijzigen indien rugzijde niet precies in het midden op de achterzijde van de kaart komt te liggen, zie helpfunctie.</source>
        <translation>Change only if the back does not land exactly in the middle of the card&apos;s reverse; see help.</translation>
    </message>
    <message>
        <source>Testvel</source>
        <translation>Test sheet</translation>
    </message>
    <message>
        <source>Aantal afdrukken</source>
        <translation>Number of copies</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Afdrukken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Voorbeeld van de kaart</source>
        <translation>Preview of the card</translation>
    </message>
    <message>
        <source>Voorkant of rugzijde</source>
        <translation>Front or back</translation>
    </message>
    <message>
        <source>Bovenaan drukt de voorkanten af; elke stap lager een ontwerp voor de rugzijde</source>
        <translation>The top prints the fronts; each step lower a design for the backs</translation>
    </message>
    <message>
        <source>X-positie van de rugzijde, in twips</source>
        <translation>X position of the back, in twips</translation>
    </message>
    <message>
        <source>Y-positie van de rugzijde, in twips</source>
        <translation>Y position of the back, in twips</translation>
    </message>
    <message>
        <source>Drukt een testvel af waarmee u X en Y vindt</source>
        <translation>Prints a test sheet to find X and Y with</translation>
    </message>
    <message>
        <source>Plaats van de foto</source>
        <translation>Place of the photo</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Het ontwerp voor de rugzijde kan niet worden geladen:
%1

%2</source>
        <translation>The design for the backs cannot be loaded:
%1

%2</translation>
    </message>
    <message>
        <source>Vul bij &quot;Aantal afdrukken&quot; een heel getal van 1 tot en met %1 in. %2</source>
        <translation>Enter a whole number from 1 to %1 at &quot;Number of copies&quot;. %2</translation>
    </message>
    <message>
        <source>Mosaret rugzijde </source>
        <translation>Mosaret back </translation>
    </message>
    <message>
        <source>Mosaret testvel kant %1</source>
        <translation>Mosaret test sheet side %1</translation>
    </message>
    <message>
        <source>De X-coördinaat van de rugzijde (&quot;%1&quot;) is geen getal. Vul bij X een getal in, bijvoorbeeld 1680. %2</source>
        <translation>The X coordinate of the backs (&quot;%1&quot;) is not a number. Enter a number at X, for example 1680. %2</translation>
    </message>
    <message>
        <source>De Y-coördinaat van de rugzijde is geen heel getal. Vul bij Y een heel getal in, bijvoorbeeld 2400. %1</source>
        <translation>The Y coordinate of the backs is not a whole number. Enter a whole number at Y, for example 2400. %1</translation>
    </message>
    <message>
        <source>Er is niets afgedrukt.</source>
        <translation>Nothing has been printed.</translation>
    </message>
</context>
<context>
    <name>PrinterPageSink</name>
    <message>
        <source>Er is onvoldoende geheugen voor de afdruk.</source>
        <translation>There is not enough memory for the print.</translation>
    </message>
    <message>
        <source>Er is geen afdruk geopend.</source>
        <translation>No print has been started.</translation>
    </message>
    <message>
        <source>Er is geen standaardprinter ingesteld. Stel eerst een printer in als standaardprinter en probeer het opnieuw.</source>
        <translation>No default printer has been set. Set a printer as the default printer first and try again.</translation>
    </message>
    <message>
        <source>De printer &quot;%1&quot; is niet gevonden. Er is niets afgedrukt.</source>
        <translation>The printer &quot;%1&quot; was not found. Nothing has been printed.</translation>
    </message>
    <message>
        <source>De printer &quot;%1&quot; kan niet staand op %2 afdrukken. Er is niets afgedrukt.</source>
        <translation>The printer &quot;%1&quot; cannot print portrait on %2. Nothing has been printed.</translation>
    </message>
    <message>
        <source>De printer &quot;%1&quot; kan niet worden geopend. Er is niets afgedrukt.</source>
        <translation>The printer &quot;%1&quot; cannot be opened. Nothing has been printed.</translation>
    </message>
    <message>
        <source>De pagina kon niet naar de printer &quot;%1&quot; worden gestuurd. Controleer de printer en probeer het opnieuw.</source>
        <translation>The page could not be sent to the printer &quot;%1&quot;. Check the printer and try again.</translation>
    </message>
    <message>
        <source>,</source>
        <comment>decimal separator of the centimetres</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>Het papier %1 van de printer &quot;%2&quot; is te klein voor de vier kaarten: ze hebben %3 x %4 cm nodig binnen de marges van de printer, en op %1 is dat %5 x %6 cm. Kies een printer met groter papier, zoals A4. Er is niets afgedrukt.</source>
        <translation>The paper %1 of the printer &quot;%2&quot; is too small for the four cards: they need %3 x %4 cm within the printer&apos;s margins, and on %1 that is %5 x %6 cm. Choose a printer with larger paper, such as A4. Nothing has been printed.</translation>
    </message>
</context>
<context>
    <name>QtUserPrompts</name>
    <message>
        <source>Annuleren</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>RecoveryCopy</name>
    <message>
        <source>De kopie van het niet bewaarde werk is beschadigd.</source>
        <translation>The copy of the unsaved work is damaged.</translation>
    </message>
</context>
<context>
    <name>RecoveryFolder</name>
    <message>
        <source>de map &quot;%1&quot; kan niet worden aangemaakt</source>
        <translation>the folder &quot;%1&quot; cannot be created</translation>
    </message>
    <message>
        <source>in de map &quot;%1&quot; kan niet worden geschreven</source>
        <translation>the folder &quot;%1&quot; cannot be written to</translation>
    </message>
    <message>
        <source>De kopie van het niet bewaarde werk is niet bewaard</source>
        <translation>The copy of the unsaved work has not been saved</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is geen leesbare kopie.</source>
        <translation>&quot;%1&quot; is not a readable copy.</translation>
    </message>
</context>
<context>
    <name>RecoveryKeeper</name>
    <message>
        <source>Let op: er kan geen reservekopie van de serie worden bewaard.</source>
        <translation>Note: no backup copy of the series can be kept.</translation>
    </message>
</context>
<context>
    <name>SaveCommand</name>
    <message>
        <source> Save</source>
        <translation> Save</translation>
    </message>
    <message>
        <source>Geef een naam voor deze serie van het mosaret...</source>
        <translation>Give a name for this series of the mosaret...</translation>
    </message>
    <message>
        <source> Exist</source>
        <translation> Exists</translation>
    </message>
    <message>
        <source>Deze naam bestaat reeds, wilt u toch saven?</source>
        <translation>This name already exists; do you want to save anyway?</translation>
    </message>
    <message>
        <source>Deze teksten bevatten tekens die een seriebestand niet kan bewaren; elk van die tekens wordt als &quot;?&quot; opgeslagen:

%1

Wilt u toch saven?</source>
        <translation>These texts contain characters that a series file cannot keep; each of those characters is saved as &quot;?&quot;:

%1

Do you want to save anyway?</translation>
    </message>
</context>
<context>
    <name>SeriesCommands</name>
    <message>
        <source>Nieuw</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Wilt u een nieuw ontwerp maken?</source>
        <translation>Do you want to make a new design?</translation>
    </message>
    <message>
        <source>Het bestand &quot;%1&quot; geeft geen gegevens.</source>
        <translation>The file &quot;%1&quot; gives no data.</translation>
    </message>
    <message>
        <source>De foto &quot;%1&quot; kan niet worden gelezen: het bestand geeft geen gegevens.</source>
        <translation>The photo &quot;%1&quot; cannot be read: the file gives no data.</translation>
    </message>
</context>
<context>
    <name>SeriesFile</name>
    <message>
        <source>Onderwerp</source>
        <translation>Subject</translation>
    </message>
    <message>
        <source>Foto van kaart %1</source>
        <translation>Photo of card %1</translation>
    </message>
    <message>
        <source>Naam %1 van kaart %2</source>
        <translation>Name %1 of card %2</translation>
    </message>
    <message>
        <source>Het bestand &quot;%1&quot; bestaat niet (meer).</source>
        <translation>The file &quot;%1&quot; does not exist (any more).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is geen gewoon bestand.</source>
        <translation>&quot;%1&quot; is not a regular file.</translation>
    </message>
    <message>
        <source>Het bestand &quot;%1&quot; kan niet worden geopend.</source>
        <translation>The file &quot;%1&quot; cannot be opened.</translation>
    </message>
    <message>
        <source>Het bestand is te groot om een serie te zijn.</source>
        <translation>The file is too large to be a series.</translation>
    </message>
    <message>
        <source>Het bestand bevat geen serie: het heeft minder dan twee regels.</source>
        <translation>The file holds no series: it has fewer than two lines.</translation>
    </message>
</context>
<context>
    <name>SeriesFolder</name>
    <message>
        <source>Deze naam kan niet worden gebruikt: </source>
        <translation>This name cannot be used: </translation>
    </message>
    <message>
        <source>de naam is leeg.</source>
        <translation>the name is empty.</translation>
    </message>
    <message>
        <source>een naam mag geen / of \ bevatten.</source>
        <translation>a name may not contain / or \.</translation>
    </message>
    <message>
        <source>een naam mag geen regeleinde of ander stuurteken bevatten.</source>
        <translation>a name may not contain a line break or other control character.</translation>
    </message>
    <message>
        <source>&quot;.&quot; en &quot;..&quot; zijn geen namen voor een bestand.</source>
        <translation>&quot;.&quot; and &quot;..&quot; are not names for a file.</translation>
    </message>
    <message>
        <source>de naam is te lang voor een bestandsnaam.</source>
        <translation>the name is too long for a file name.</translation>
    </message>
    <message>
        <source>De serie is niet opgeslagen</source>
        <translation>The series has not been saved</translation>
    </message>
    <message>
        <source>: de map &quot;%1&quot; kan niet worden aangemaakt.</source>
        <translation>: the folder &quot;%1&quot; cannot be created.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is geen serie in de map met series.</source>
        <translation>&quot;%1&quot; is not a series in the series folder.</translation>
    </message>
</context>
<context>
    <name>SeriesModel</name>
    <message>
        <source>Onderwerp</source>
        <translation>Subject</translation>
    </message>
</context>
<context>
    <name>SeriesPages</name>
    <message>
        <source>Er is geen PDF geschreven.</source>
        <translation>No PDF has been written.</translation>
    </message>
    <message>
        <source>De PDF is niet opgeslagen</source>
        <translation>The PDF has not been saved</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>De instellingen zijn niet opgeslagen</source>
        <translation>The settings have not been saved</translation>
    </message>
</context>
<context>
    <name>WholeFileWriter</name>
    <message>
        <source>de map &quot;%1&quot; bestaat niet.</source>
        <translation>the folder &quot;%1&quot; does not exist.</translation>
    </message>
    <message>
        <source>er staat al een map met de naam &quot;%1&quot;.</source>
        <translation>there is already a folder named &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is geen gewoon bestand en wordt niet overschreven.</source>
        <translation>&quot;%1&quot; is not a regular file and is not overwritten.</translation>
    </message>
    <message>
        <source>het bestand &quot;%1&quot; kan niet worden geschreven in de map &quot;%2&quot;. Controleer of u daar mag schrijven.</source>
        <translation>the file &quot;%1&quot; cannot be written in the folder &quot;%2&quot;. Check that you may write there.</translation>
    </message>
    <message>
        <source> Het bestaande bestand is ongewijzigd gebleven.</source>
        <translation> The existing file has been left unchanged.</translation>
    </message>
    <message>
        <source>het bestand &quot;%1&quot; kon niet volledig worden geschreven; misschien is de schijf vol.%2</source>
        <translation>the file &quot;%1&quot; could not be written completely; perhaps the disk is full.%2</translation>
    </message>
</context>
</TS>
