<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pl">
<context>
    <name>Vemrik</name>
    <message>
        <source>Eksportuj na Arduino</source>
        <translation>Export to Arduino</translation>
    </message>
    <message>
        <source>Eksportuj na Arduino: folder na szkic</source>
        <translation>Export to Arduino: folder for the sketch</translation>
    </message>
    <message>
        <source>Nie można wyeksportować: %1.</source>
        <translation>Cannot export: %1.</translation>
    </message>
    <message>
        <source>Nie można zapisać szkicu: %1</source>
        <translation>Cannot save the sketch: %1</translation>
    </message>
    <message>
        <source>Nie zapisano szkicu: %1.

Zastąpić plik nowym szkicem? Jego obecna treść przepadnie.</source>
        <translation>The sketch was not saved: %1.

Replace the file with a new sketch? What it holds now will be lost.</translation>
    </message>
    <message>
        <source>Zastąp</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Zapisano szkic „%1” (ziarno losowania %2):

%3
%4

Otwórz plik .ino w Arduino IDE i przejrzyj ustawienia na jego początku: piny czujników i silników, prędkości, czasy obrotu i kroku. Połączenia pokazuje wiring.svg.</source>
        <translation>Saved the sketch “%1” (random seed %2):

%3
%4

Open the .ino file in the Arduino IDE and check the settings at its top: the sensor and motor pins, the speeds, the turn and step times. wiring.svg shows the connections.</translation>
    </message>
    <message>
        <source>kąt reguły: %1°</source>
        <translation>rule angle: %1°</translation>
    </message>
    <message>
        <source>kierunek startu: %1°</source>
        <translation>start heading: %1°</translation>
    </message>
    <message>
        <source>czujnik %1 – tego czujnika robot nie ma</source>
        <translation>sensor %1 – the robot has no such sensor</translation>
    </message>
    <message>
        <source>czujnik %1</source>
        <translation>sensor %1</translation>
    </message>
    <message>
        <source>nieznany błąd</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Zatrzymuje przebieg w miejscu; dalej: „Włącz” albo „Krok”</source>
        <translation>Stops the run where it is; go on with “On” or “Step”</translation>
    </message>
    <message>
        <source>%1 — wiersz %2, kolumna %3 — strona %4 z %5 — %6 mm na kratkę</source>
        <translation>%1 — row %2, column %3 — page %4 of %5 — %6 mm per cell</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Podgląd wydruku trasy</source>
        <translation>Track print preview</translation>
    </message>
    <message>
        <source>Na tym papierze nie zmieści się nic poza marginesami i zakładką.</source>
        <translation>Nothing but the margins and the overlap fits on this paper.</translation>
    </message>
    <message>
        <source>Nie udało się zacząć drukowania.</source>
        <translation>Printing could not start.</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku %1.</source>
        <translation>Could not save the file %1.</translation>
    </message>
    <message>
        <source>Nie udało się dodać strony %1.</source>
        <translation>Could not add page %1.</translation>
    </message>
    <message>
        <source>Nie udało się dokończyć wydruku.</source>
        <translation>Could not finish printing.</translation>
    </message>
    <message>
        <source>Plik „%1” już nie istnieje.
Usunięto go z listy „Ostatnio otwierane”.</source>
        <translation>The file “%1” no longer exists.
It was removed from “Recent files”.</translation>
    </message>
    <message>
        <source>Przebiegi CSV (*.csv *.txt *.log);;Wszystkie pliki (*)</source>
        <translation>CSV runs (*.csv *.txt *.log);;All files (*)</translation>
    </message>
    <message>
        <source>Otwórz przebieg robota</source>
        <translation>Open robot log</translation>
    </message>
    <message>
        <source>Sprawdź reguły</source>
        <translation>Check rules</translation>
    </message>
    <message>
        <source>Linie liczone od 1; „*” to czujnik w dowolnym stanie. Kliknij uwagę, aby zaznaczyć jej linię na liście reguł.</source>
        <translation>Lines count from 1; “*” is a sensor in any state. Click a finding to select its line in the rule list.</translation>
    </message>
    <message>
        <source>Uwagi</source>
        <translation>Findings</translation>
    </message>
    <message>
        <source>&amp;Zamknij</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Inspektor reguł</source>
        <translation>Rule inspector</translation>
    </message>
    <message>
        <source>Pasujące reguły i ich szanse w następnym kroku (kliknij, by zaznaczyć linię):</source>
        <translation>Matching rules and their odds in the next step (click to select a line):</translation>
    </message>
    <message>
        <source>Pasujące reguły</source>
        <translation>Matching rules</translation>
    </message>
    <message>
        <source>Ostatni krok: </source>
        <translation>Last step: </translation>
    </message>
    <message>
        <source>jeszcze żadnego od „Start”</source>
        <translation>none yet since “Start”</translation>
    </message>
    <message>
        <source>Czujniki z ostatniego pomiaru (robot ma %1 z 8):</source>
        <translation>Sensors at the last reading (the robot has %1 of 8):</translation>
    </message>
    <message>
        <source>Robot nie ma czujnika %1</source>
        <translation>The robot has no sensor %1</translation>
    </message>
    <message>
        <source>Czujnik %1 widzi linię</source>
        <translation>Sensor %1 sees the line</translation>
    </message>
    <message>
        <source>Czujnik %1 nie widzi linii</source>
        <translation>Sensor %1 does not see the line</translation>
    </message>
    <message>
        <source>Wzorzec: </source>
        <translation>Pattern: </translation>
    </message>
    <message>
        <source>linia %1 (kąt %2): %3</source>
        <translation>line %1 (angle %2): %3</translation>
    </message>
    <message>
        <source> (żadna reguła nie pasuje)</source>
        <translation> (no rule matches)</translation>
    </message>
    <message>
        <source>Zapisz przebieg</source>
        <translation>Save run</translation>
    </message>
    <message>
        <source>Nie można zapisać przebiegu „%1”:
%2</source>
        <translation>Cannot save the run “%1”:
%2</translation>
    </message>
    <message>
        <source>Zapisz wykres</source>
        <translation>Save chart</translation>
    </message>
    <message>
        <source>Obraz PNG (*.png);;Rysunek SVG (*.svg)</source>
        <translation>PNG image (*.png);;SVG drawing (*.svg)</translation>
    </message>
    <message>
        <source>wykres.png</source>
        <translation>chart.png</translation>
    </message>
    <message>
        <source>Nie można zapisać wykresu „%1”:
%2</source>
        <translation>Cannot save the chart “%1”:
%2</translation>
    </message>
    <message>
        <source>Importuj trasę z obrazu</source>
        <translation>Import track from picture</translation>
    </message>
    <message>
        <source>Wczytany obraz</source>
        <translation>The picture read</translation>
    </message>
    <message>
        <source>Obraz:</source>
        <translation>Picture:</translation>
    </message>
    <message>
        <source>Trasa po imporcie:</source>
        <translation>Track after the import:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Próg jasności:</source>
        <translation>&amp;Brightness threshold:</translation>
    </message>
    <message>
        <source>Próg &amp;automatyczny</source>
        <translation>&amp;Automatic threshold</translation>
    </message>
    <message>
        <source>&amp;Odwróć (jasna linia na ciemnym tle)</source>
        <translation>&amp;Invert (light line on a dark ground)</translation>
    </message>
    <message>
        <source>Pociągnięcia pędzla wzdłuż &amp;linii</source>
        <translation>Brush strokes along the &amp;line</translation>
    </message>
    <message>
        <source>&amp;Komórki linii</source>
        <translation>Line &amp;cells</translation>
    </message>
    <message>
        <source>Obraz staje się</source>
        <translation>The picture becomes</translation>
    </message>
    <message>
        <source>&amp;Zastąp trasę</source>
        <translation>&amp;Replace the track</translation>
    </message>
    <message>
        <source>&amp;Dodaj do trasy</source>
        <translation>A&amp;dd to the track</translation>
    </message>
    <message>
        <source>Na mapie</source>
        <translation>On the map</translation>
    </message>
    <message>
        <source>Komórek linii z obrazu: %1</source>
        <translation>Line cells from the picture: %1</translation>
    </message>
    <message>
        <source>Odcinków pędzla z obrazu: %1</source>
        <translation>Brush segments from the picture: %1</translation>
    </message>
    <message>
        <source>Obrazy (*.png *.jpg *.jpeg *.bmp *.gif);;Wszystkie pliki (*)</source>
        <translation>Pictures (*.png *.jpg *.jpeg *.bmp *.gif);;All files (*)</translation>
    </message>
    <message>
        <source>Wczytywanie obrazu „%1”…</source>
        <translation>Reading the picture “%1”…</translation>
    </message>
    <message>
        <source>Obraz „%1” jest za duży: %2 × %3 pikseli; można wczytać najwyżej %4 mln pikseli.</source>
        <translation>The picture “%1” is too large: %2 × %3 pixels; at most %4 million pixels can be read.</translation>
    </message>
    <message>
        <source>Plik „%1” nie jest obrazem PNG, JPEG, BMP ani GIF.</source>
        <translation>The file “%1” is not a PNG, JPEG, BMP or GIF picture.</translation>
    </message>
    <message>
        <source>Nie można odczytać obrazu „%1”: plik jest uszkodzony albo za duży.</source>
        <translation>Cannot read the picture “%1”: the file is damaged or too large.</translation>
    </message>
    <message>
        <source>Obraz „%1” nie ma żadnych pikseli.</source>
        <translation>The picture “%1” has no pixels.</translation>
    </message>
    <message>
        <source>Nie można odczytać pliku „%1”.</source>
        <translation>Cannot read the file “%1”.</translation>
    </message>
    <message>
        <source>Plik „%1” jest pusty.</source>
        <translation>The file “%1” is empty.</translation>
    </message>
    <message>
        <source>Pliki Vemrik (*.vemrik);;Wszystkie pliki (*)</source>
        <translation>Vemrik files (*.vemrik);;All files (*)</translation>
    </message>
    <message>
        <source>Otwórz</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Zapisz jako</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Eksportuj obraz</source>
        <translation>Export image</translation>
    </message>
    <message>
        <source>Obrazy PNG (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>Nie można otworzyć „%1”:
%2</source>
        <translation>Cannot open “%1”:
%2</translation>
    </message>
    <message>
        <source>bez nazwy.vemrik</source>
        <translation>untitled.vemrik</translation>
    </message>
    <message>
        <source>Nie można zapisać „%1”:
%2

Poprzednia zawartość pliku nie zmieniła się.</source>
        <translation>Cannot save “%1”:
%2

The file keeps what it held before.</translation>
    </message>
    <message>
        <source>nie udało się zakodować obrazu PNG</source>
        <translation>the PNG image could not be encoded</translation>
    </message>
    <message>
        <source>Nie można zapisać obrazu „%1”:
%2</source>
        <translation>Cannot save the image “%1”:
%2</translation>
    </message>
    <message>
        <source>Oceń algorytm</source>
        <translation>Evaluate algorithm</translation>
    </message>
    <message>
        <source>&amp;Oceń</source>
        <translation>&amp;Evaluate</translation>
    </message>
    <message>
        <source>&amp;Anuluj</source>
        <translation>C&amp;ancel</translation>
    </message>
    <message>
        <source>Ocena nie powiodła się: %1.</source>
        <translation>The evaluation failed: %1.</translation>
    </message>
    <message>
        <source>Kroki do stopu (przebiegi zakończone sukcesem)</source>
        <translation>Steps to the stop (runs that succeeded)</translation>
    </message>
    <message>
        <source>kroki do mety</source>
        <translation>steps to the finish</translation>
    </message>
    <message>
        <source>liczba prób</source>
        <translation>number of runs</translation>
    </message>
    <message>
        <source>brak przebiegów, które dojechały</source>
        <translation>no run arrived</translation>
    </message>
    <message>
        <source>słupek: %1 kroków</source>
        <translation>bar: %1 steps</translation>
    </message>
</context>
</TS>
