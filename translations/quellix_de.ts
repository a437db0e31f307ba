<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>About Quellix</source>
        <translation>Über Quellix</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1, %2 %3</source>
        <extracomment>%1 is the version number, %2 the month and %3 the year of the release.</extracomment>
        <translation>Version %1, %2 %3</translation>
    </message>
    <message>
        <source>by Tamsvelder</source>
        <extracomment>The author.</extracomment>
        <translation>von Tamsvelder</translation>
    </message>
    <message>
        <source>With thanks to all who showed how a robot should weigh its discs.</source>
        <extracomment>Two lines at most.</extracomment>
        <translation>Mit Dank an alle, die gezeigt haben, wie ein Roboter seine Steine bewerten soll.</translation>
    </message>
    <message>
        <source>(Tamsvelder games)</source>
        <extracomment>The author&apos;s address, in parentheses.</extracomment>
        <translation>(Tamsvelder-Spiele)</translation>
    </message>
</context>
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>turning disc</source>
        <translation>Stein wird umgedreht</translation>
    </message>
    <message>
        <source>dark disc</source>
        <translation>dunkler Stein</translation>
    </message>
    <message>
        <source>light disc</source>
        <translation>heller Stein</translation>
    </message>
    <message>
        <source>last move</source>
        <translation>letzter Zug</translation>
    </message>
    <message>
        <source>legal move</source>
        <translation>möglicher Zug</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Brett</translation>
    </message>
    <message>
        <source>value plus %1</source>
        <extracomment>A legal move&apos;s exact value: the final disc difference it leads to.</extracomment>
        <translation>Wert plus %1</translation>
    </message>
    <message>
        <source>value minus %1</source>
        <translation>Wert minus %1</translation>
    </message>
    <message>
        <source>value %1</source>
        <translation>Wert %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Reversi on an 8 by 8 board. Each of the two players is a human who plays
with the mouse or a robot of level 1 to 6.</source>
        <extracomment>quellix --help: what the program is. Lines of 76 characters at most.</extracomment>
        <translation>Reversi auf einem Brett mit 8 × 8 Feldern. Jeder der beiden Spieler ist ein
Mensch, der mit der Maus spielt, oder ein Roboter der Stufe 1 bis 6.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Zeigt diese Hilfe und beendet das Programm.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Zeigt die Version und beendet das Programm.</translation>
    </message>
    <message>
        <source>GAME</source>
        <extracomment>quellix --help: the word that names the file argument, and what it is.</extracomment>
        <translation>SPIEL</translation>
    </message>
    <message>
        <source>A game to open: a GGF record, a transcript or a position.</source>
        <translation>Ein Spiel zum Öffnen: eine GGF-Aufzeichnung, eine Zugfolge oder eine Stellung.</translation>
    </message>
</context>
<context>
    <name>GameAccessibility</name>
    <message>
        <source>Player %1 passed</source>
        <translation>Spieler %1 hat gepasst</translation>
    </message>
    <message>
        <source>Player %1 played %2</source>
        <translation>Spieler %1 hat auf %2 gesetzt</translation>
    </message>
    <message>
        <source>Game over, tied, %1 to %2</source>
        <translation>Spiel zu Ende, unentschieden, %1 zu %2</translation>
    </message>
    <message>
        <source>Game over, Player %1 won, %2 to %3</source>
        <translation>Spiel zu Ende, Spieler %1 hat gewonnen, %2 zu %3</translation>
    </message>
</context>
<context>
    <name>GameText</name>
    <message>
        <source>light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>There is no game in it: it is empty.</source>
        <translation>Darin steht kein Spiel: Der Inhalt ist leer.</translation>
    </message>
    <message>
        <source>It is not text.</source>
        <translation>Der Inhalt ist kein Text.</translation>
    </message>
    <message>
        <source>It is larger than 1 MB, far more than any game.</source>
        <translation>Der Inhalt ist größer als 1 MB, weit mehr als jedes Spiel.</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Diese Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>It cannot be read (%1).</source>
        <translation>Die Datei lässt sich nicht lesen (%1).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a square nor a pass.</source>
        <translation>„%1“ ist weder ein Feld noch ein Passen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a legal move for %2.</source>
        <extracomment>%1 a square such as c4, %2 &quot;dark&quot; or &quot;light&quot;.</extracomment>
        <translation>„%1“ ist kein möglicher Zug für %2.</translation>
    </message>
    <message>
        <source>%1 may not pass here: it has a legal move.</source>
        <translation>%1 darf hier nicht passen, denn es gibt einen möglichen Zug.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; comes after the end of the game.</source>
        <translation>„%1“ folgt erst nach dem Ende des Spiels.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a move of the side that is not to move.</source>
        <translation>„%1“ ist ein Zug der Seite, die nicht am Zug ist.</translation>
    </message>
    <message>
        <source>It is a game Quellix does not play (&quot;%1&quot;).</source>
        <translation>Es ist ein Spiel, das Quellix nicht spielt („%1“).</translation>
    </message>
    <message>
        <source>It is the variant in which the fewer discs win, which Quellix does not play.</source>
        <translation>Es ist die Variante, in der weniger Steine gewinnen, und die spielt Quellix nicht.</translation>
    </message>
    <message>
        <source>The board is not 64 squares of empty, dark and light (&quot;%1&quot;).</source>
        <translation>Das Brett besteht nicht aus 64 Feldern, die leer, dunkel oder hell sind („%1“).</translation>
    </message>
    <message>
        <source>The side to move is missing or unknown (&quot;%1&quot;).</source>
        <translation>Die Angabe, wer am Zug ist, fehlt oder ist unbekannt („%1“).</translation>
    </message>
    <message>
        <source>The record ends too soon.</source>
        <translation>Die Aufzeichnung endet zu früh.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stands where a property of the record must.</source>
        <translation>„%1“ steht dort, wo eine Eigenschaft der Aufzeichnung stehen muss.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; follows where nothing more may.</source>
        <translation>„%1“ folgt dort, wo nichts mehr folgen darf.</translation>
    </message>
    <message>
        <source>Move %1: %2</source>
        <extracomment>%1 the number of the move in the text, %2 the reason.</extracomment>
        <translation>Zug %1: %2</translation>
    </message>
    <message>
        <source>Line %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>&amp;Human</source>
        <translation>&amp;Mensch</translation>
    </message>
    <message>
        <source>Robot &amp;1 - Beginner</source>
        <translation>Roboter &amp;1 - Anfänger</translation>
    </message>
    <message>
        <source>Robot &amp;2 - Getting better</source>
        <translation>Roboter &amp;2 - Macht Fortschritte</translation>
    </message>
    <message>
        <source>Robot &amp;3 - Pretty good</source>
        <translation>Roboter &amp;3 - Ziemlich gut</translation>
    </message>
    <message>
        <source>Robot &amp;4 - Expert</source>
        <translation>Roboter &amp;4 - Experte</translation>
    </message>
    <message>
        <source>Robot &amp;5 - Wizard</source>
        <translation>Roboter &amp;5 - Zauberer</translation>
    </message>
    <message>
        <source>Robot &amp;6 - Perfectionist</source>
        <translation>Roboter &amp;6 - Perfektionist</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>Menu. In the menu bar and in each menu, every text has a mnemonic (the letter after the &amp;) of its own.</extracomment>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Start Game	F2</source>
        <translation>Spiel &amp;starten	F2</translation>
    </message>
    <message>
        <source>&amp;Clear Game	Ctrl-F2</source>
        <extracomment>After the tab: the key, as the keyboards of your language name it.</extracomment>
        <translation>Brett &amp;leeren	Strg+F2</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Player &amp;1</source>
        <translation>Spieler &amp;1</translation>
    </message>
    <message>
        <source>Player &amp;2</source>
        <translation>Spieler &amp;2</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help Contents	F1</source>
        <translation>&amp;Inhalt	F1</translation>
    </message>
    <message>
        <source>&amp;About Quellix</source>
        <translation>Ü&amp;ber Quellix</translation>
    </message>
    <message>
        <source>&amp;Undo Move	Ctrl+Z</source>
        <translation>Zug &amp;zurücknehmen	Strg+Z</translation>
    </message>
    <message>
        <source>&amp;Hint	H</source>
        <translation>&amp;Tipp	H</translation>
    </message>
    <message>
        <source>&amp;Redo Move	Ctrl+Shift+Z</source>
        <translation>Zug &amp;wiederherstellen	Strg+Umschalt+Z</translation>
    </message>
    <message>
        <source>&amp;Pass	P</source>
        <translation>&amp;Passen	P</translation>
    </message>
    <message>
        <source>&amp;Open Game…	Ctrl+O</source>
        <translation>Spiel &amp;öffnen…	Strg+O</translation>
    </message>
    <message>
        <source>Save Game &amp;As…	Ctrl+S</source>
        <extracomment>The mnemonic is not S, C or P here: those are Start Game&apos;s, Clear Game&apos;s and Pass&apos;s.</extracomment>
        <translation>Spiel speichern &amp;unter…	Strg+S</translation>
    </message>
    <message>
        <source>Cop&amp;y Game	Ctrl+C</source>
        <translation>Spiel &amp;kopieren	Strg+C</translation>
    </message>
    <message>
        <source>Pas&amp;te Game	Ctrl+V</source>
        <translation>Spiel &amp;einfügen	Strg+V</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Move &amp;List	Ctrl+L</source>
        <translation>Zug&amp;liste	Strg+L</translation>
    </message>
    <message>
        <source>&amp;Continue from Here</source>
        <translation>Von hier &amp;weiterspielen</translation>
    </message>
    <message>
        <source>Show Move &amp;Values	V</source>
        <translation>Zugwerte &amp;anzeigen	V</translation>
    </message>
    <message>
        <source>Large Move &amp;Marks</source>
        <extracomment>The mnemonic is not L: that is Move List&apos;s.</extracomment>
        <translation>&amp;Große Zugmarkierungen</translation>
    </message>
    <message>
        <source>Animation &amp;Speed</source>
        <translation>Animations&amp;tempo</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <extracomment>The speeds of the move animation: as always, every pause halved, no animation.</extracomment>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Schnell</translation>
    </message>
    <message>
        <source>&amp;Instant</source>
        <translation>So&amp;fort</translation>
    </message>
    <message>
        <source>&amp;Results</source>
        <translation>&amp;Ergebnisse</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Spiel öffnen</translation>
    </message>
    <message>
        <source>Games (*.ggf *.txt);;All files (*)</source>
        <translation>Spiele (*.ggf *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Paste Game</source>
        <translation>Spiel einfügen</translation>
    </message>
    <message>
        <source>The text on the clipboard</source>
        <translation>Der Text in der Zwischenablage</translation>
    </message>
    <message>
        <source>%1 is not a game that Quellix can read.</source>
        <extracomment>%1 a file&apos;s name or &quot;The text on the clipboard&quot;.</extracomment>
        <translation>%1 ist kein Spiel, das Quellix lesen kann.</translation>
    </message>
    <message>
        <source>Are you sure you want to end this game and play on from the one read?</source>
        <translation>Möchtest du dieses Spiel wirklich beenden und mit dem eingelesenen weiterspielen?</translation>
    </message>
    <message>
        <source>End this game?</source>
        <translation>Dieses Spiel beenden?</translation>
    </message>
    <message>
        <source>Save Game As</source>
        <translation>Spiel speichern unter</translation>
    </message>
    <message>
        <source>GGF games (*.ggf);;All files (*)</source>
        <translation>GGF-Spiele (*.ggf);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The game could not be saved to %1:
%2</source>
        <extracomment>%1 the file&apos;s name, %2 the reason the system gives.</extracomment>
        <translation>Das Spiel konnte nicht unter %1 gespeichert werden:
%2</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quellix Help</source>
        <translation>Quellix-Hilfe</translation>
    </message>
    <message>
        <source>
&lt;h2&gt;Quellix&lt;/h2&gt;
&lt;h3&gt;The rules&lt;/h3&gt;
&lt;p&gt;Two players take turns putting discs on an 8 by 8 board: player&amp;nbsp;1 plays the dark discs and moves
first, player&amp;nbsp;2 the light discs. The game starts with two discs of each colour in the middle.&lt;/p&gt;
&lt;p&gt;A move must capture: the new disc and another disc of the same colour must enclose, in a straight
line (across, down or diagonally), an unbroken row of the opponent&apos;s discs. Every enclosed disc turns
over to the mover&apos;s colour, in every direction where the move encloses some.&lt;/p&gt;
&lt;p&gt;A player who cannot capture anywhere must pass; the other player moves again. The game ends when
neither player can move, usually when the board is full. Whoever has more discs wins.&lt;/p&gt;
</source>
        <extracomment>HTML: translate the text, keep the markup.</extracomment>
        <translation>
&lt;h2&gt;Quellix&lt;/h2&gt;
&lt;h3&gt;Die Regeln&lt;/h3&gt;
&lt;p&gt;Zwei Spieler setzen abwechselnd Steine auf ein Brett mit 8 × 8 Feldern: Spieler&amp;nbsp;1 spielt die dunklen
Steine und beginnt, Spieler&amp;nbsp;2 die hellen. Zu Beginn stehen in der Mitte je zwei Steine jeder Farbe.&lt;/p&gt;
&lt;p&gt;Jeder Zug muss schlagen: Der neue Stein und ein anderer Stein derselben Farbe müssen in gerader Linie
(waagerecht, senkrecht oder diagonal) eine lückenlose Reihe gegnerischer Steine einschließen. Jeder
eingeschlossene Stein wird umgedreht und nimmt die Farbe des Ziehenden an, und zwar in jeder Richtung, in
der der Zug Steine einschließt.&lt;/p&gt;
&lt;p&gt;Wer nirgends schlagen kann, muss passen; dann zieht der andere Spieler noch einmal. Das Spiel endet, wenn
keiner von beiden mehr ziehen kann, meist wenn das Brett voll ist. Wer mehr Steine hat, gewinnt.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;h3&gt;Playing&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;Choose who plays each colour in the &lt;b&gt;Player 1&lt;/b&gt; and &lt;b&gt;Player 2&lt;/b&gt; menus: a human, or a robot of
level 1 to 6. Two humans can play against each other at one mouse; two robots play by themselves.&lt;/li&gt;
&lt;li&gt;Press &lt;b&gt;Start Game&lt;/b&gt; (or F2). The panel of the player to move stands raised.&lt;/li&gt;
&lt;li&gt;When it is your turn, small crosses mark the squares where you may play: click one. The cursor shows
the colour of your discs.&lt;/li&gt;
&lt;li&gt;If you cannot move, the panel says so: press &lt;b&gt;Pass&lt;/b&gt;, or P (&lt;b&gt;Pass&lt;/b&gt; in the Game menu).&lt;/li&gt;
&lt;li&gt;Every move is shown turning: an arrow looks round the new disc and the captured discs turn over.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Clear Board&lt;/b&gt; (or Ctrl+F2) ends the game. Your choice of players is remembered for next time.&lt;/li&gt;
&lt;/ul&gt;
</source>
        <extracomment>HTML: translate the text, keep the markup. &quot;Player 1&quot;, &quot;Player 2&quot;, &quot;Start Game&quot;, &quot;Pass&quot; and &quot;Clear Board&quot; are the menus&apos; and buttons&apos; texts.</extracomment>
        <translation>
&lt;h3&gt;So wird gespielt&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;Wähle in den Menüs &lt;b&gt;Spieler 1&lt;/b&gt; und &lt;b&gt;Spieler 2&lt;/b&gt;, wer welche Farbe spielt: einen Menschen oder
einen Roboter der Stufe 1 bis 6. Zwei Menschen können an einer Maus gegeneinander spielen; zwei Roboter
spielen allein.&lt;/li&gt;
&lt;li&gt;Klicke auf &lt;b&gt;Spiel starten&lt;/b&gt; (oder drücke F2). Die Anzeige des Spielers, der am Zug ist, tritt
hervor.&lt;/li&gt;
&lt;li&gt;Bist du am Zug, markieren kleine Kreuze die Felder, auf die du setzen kannst: Klicke eines davon an. Der
Mauszeiger zeigt die Farbe deiner Steine.&lt;/li&gt;
&lt;li&gt;Kannst du nicht ziehen, sagt es dir die Anzeige: Klicke auf &lt;b&gt;Passen&lt;/b&gt; oder drücke P (&lt;b&gt;Passen&lt;/b&gt; im
Menü Spiel).&lt;/li&gt;
&lt;li&gt;Jeder Zug wird in Bewegung gezeigt: Ein Pfeil schaut sich rund um den neuen Stein um, und die
geschlagenen Steine drehen sich um.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Brett leeren&lt;/b&gt; (oder Strg+F2) beendet das Spiel. Welche Spieler du gewählt hast, merkt sich das
Programm für das nächste Mal.&lt;/li&gt;
&lt;/ul&gt;
</translation>
    </message>
    <message>
        <source>
&lt;h3&gt;Undo, hint and the keyboard&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Undo Move&lt;/b&gt; in the Game menu (or Ctrl+Z) takes back your last move, or your last pass, and every
robot move since, and gives you the turn again as it was. Between two humans it takes back one move. Undo
again to go further back. The robots may answer differently the second time.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Redo Move&lt;/b&gt; (or Ctrl+Shift+Z, or Ctrl+Y) plays again, at once, what the last undo took back.
A new move instead forgets it.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Hint&lt;/b&gt; (or H): on your turn, a disc of your colour blinks three times on the square that looks best,
seen as far ahead as the level&amp;nbsp;6 robot sees; in the last 20 moves of a game, on a square that is
best for certain, found by playing every possible game to its end. Any key or click stops the
blinking.&lt;/li&gt;
&lt;li&gt;The arrow keys show a blue frame on the board, first on the last move (or in the middle before any
move), and move it one square at a time. Return or Enter plays the framed square, as a click there would.
A click on the board hides the frame, and so does a robot&apos;s turn or the end of the game; the next arrow
key shows it again.&lt;/li&gt;
&lt;li&gt;Ctrl+Q ends the program, as &lt;b&gt;Exit&lt;/b&gt; does.&lt;/li&gt;
&lt;/ul&gt;
</source>
        <extracomment>HTML: translate the text, keep the markup. &quot;Undo Move&quot;, &quot;Redo Move&quot;, &quot;Hint&quot; and &quot;Exit&quot; are the menus&apos; texts.</extracomment>
        <translation>
&lt;h3&gt;Zurücknehmen, Tipp und Tastatur&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Zug zurücknehmen&lt;/b&gt; im Menü Spiel (oder Strg+Z) nimmt deinen letzten Zug oder dein letztes Passen
zurück, dazu alle Roboterzüge danach; dann bist du wieder am Zug, genau wie vorher. Spielen zwei Menschen
gegeneinander, wird ein Zug zurückgenommen. Nimmst du noch einmal zurück, geht es weiter zurück. Beim
zweiten Mal antworten die Roboter womöglich anders.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Zug wiederherstellen&lt;/b&gt; (oder Strg+Umschalt+Z oder Strg+Y) spielt sofort noch einmal, was das letzte
Zurücknehmen zurückgenommen hat. Ziehst du stattdessen neu, ist es vergessen.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Tipp&lt;/b&gt; (oder H): Bist du am Zug, blinkt ein Stein deiner Farbe dreimal auf dem Feld, das am besten
aussieht, wenn man so weit vorausschaut wie der Roboter der Stufe&amp;nbsp;6; in den letzten 20 Zügen eines
Spiels auf einem Feld, das mit Sicherheit das beste ist, gefunden, indem jedes mögliche Spiel bis zu seinem
Ende durchgespielt wird. Ein Tastendruck oder Klick beendet das Blinken.&lt;/li&gt;
&lt;li&gt;Die Pfeiltasten zeigen einen blauen Rahmen auf dem Brett, zuerst auf dem letzten Zug (oder vor dem
ersten Zug in der Mitte), und bewegen ihn Feld für Feld. Mit der Eingabetaste oder Enter setzt du auf das
umrahmte Feld, wie mit einem Klick dorthin. Ein Klick auf das Brett blendet den Rahmen aus, ebenso ein
Roboter, der am Zug ist, oder das Ende des Spiels; die nächste Pfeiltaste zeigt ihn wieder.&lt;/li&gt;
&lt;li&gt;Strg+Q beendet das Programm, genau wie &lt;b&gt;Beenden&lt;/b&gt;.&lt;/li&gt;
&lt;/ul&gt;
</translation>
    </message>
    <message>
        <source>
&lt;h3&gt;The move list&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;Move List&lt;/b&gt; in the &lt;b&gt;View&lt;/b&gt; menu (or Ctrl+L) opens a window beside the board with every move of
the game, numbered as Othello players write them: &quot;1. f5 d6&quot; is the first move of dark, on f5, and light&apos;s
answer on d6. The columns are a to h from the left and the rows 1 to 8 from the top; a pass is written
&quot;pass&quot;. Once a game is over, choose a row (or use Home, End and the arrow keys in the list) to see that
position on the board, with its last move and its disc counts; &lt;b&gt;Continue from Here&lt;/b&gt; plays the game on
from that position, forgetting the moves after it.&lt;/p&gt;
</source>
        <extracomment>HTML: translate the text, keep the markup. &quot;View&quot;, &quot;Move List&quot; and &quot;Continue from Here&quot; are the menu&apos;s and the button&apos;s texts; &quot;pass&quot; is what the list shows for a pass.</extracomment>
        <translation>
&lt;h3&gt;Die Zugliste&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;Zugliste&lt;/b&gt; im Menü &lt;b&gt;Ansicht&lt;/b&gt; (oder Strg+L) öffnet neben dem Brett ein Fenster mit allen Zügen
des Spiels, nummeriert, wie Othello-Spieler sie schreiben: „1. f5 d6“ ist der erste Zug von Dunkel, auf f5,
und die Antwort von Hell auf d6. Die Spalten heißen von links nach rechts a bis h, die Reihen von oben nach
unten 1 bis 8; ein Passen steht als „Pass“ in der Liste. Ist ein Spiel zu Ende, wähle eine Zeile (oder nimm
Pos1, Ende und die Pfeiltasten in der Liste), um diese Stellung auf dem Brett zu sehen, mit ihrem letzten Zug
und der Zahl der Steine; &lt;b&gt;Von hier weiterspielen&lt;/b&gt; setzt das Spiel von dieser Stellung aus fort und
vergisst die Züge danach.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;h3&gt;Games as text&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;Open Game&lt;/b&gt; (Ctrl+O) and &lt;b&gt;Paste Game&lt;/b&gt; (Ctrl+V) read a game and play on from its end;
&lt;b&gt;Save Game As&lt;/b&gt; (Ctrl+S) writes the game to a file and &lt;b&gt;Copy Game&lt;/b&gt; (Ctrl+C) puts it on the
clipboard. Quellix reads the three forms in which Othello players keep and trade games:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;A transcript, the squares played from the usual start: &lt;tt&gt;f5d6c3d3c4f4&lt;/tt&gt;. Spaces, commas, capitals
and move numbers (&lt;tt&gt;1. f5 d6 2. c3 d3&lt;/tt&gt;) are fine, and so is a pass written &lt;tt&gt;pass&lt;/tt&gt;.&lt;/li&gt;
&lt;li&gt;A position: the 64 squares row by row from the top left (&lt;tt&gt;-&lt;/tt&gt; or &lt;tt&gt;.&lt;/tt&gt; empty, &lt;tt&gt;X&lt;/tt&gt; or
&lt;tt&gt;*&lt;/tt&gt; dark, &lt;tt&gt;O&lt;/tt&gt; light), then the side to move, for example
&lt;tt&gt;---------------------------OX------XXX-------------------------- O&lt;/tt&gt;. A game starts from it.&lt;/li&gt;
&lt;li&gt;A GGF record, as the Othello game servers keep games:
&lt;tt&gt;(;GM[Othello]PB[Human]PW[Robot 3]TY[8]BO[8 ... *]B[F5]W[D6];)&lt;/tt&gt;. Save writes this form.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;What cannot be read is reported with the move, or the line and column, where reading stopped, and the
game goes on unchanged.&lt;/p&gt;
</source>
        <extracomment>HTML: translate the text, keep the markup. &quot;Open Game&quot;, &quot;Save Game As&quot;, &quot;Copy Game&quot; and &quot;Paste Game&quot; are the menu&apos;s texts; keep the examples as they are.</extracomment>
        <translation>
&lt;h3&gt;Spiele als Text&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;Spiel öffnen&lt;/b&gt; (Strg+O) und &lt;b&gt;Spiel einfügen&lt;/b&gt; (Strg+V) lesen ein Spiel ein und spielen von seinem
Ende aus weiter; &lt;b&gt;Spiel speichern unter&lt;/b&gt; (Strg+S) schreibt das Spiel in eine Datei, und &lt;b&gt;Spiel
kopieren&lt;/b&gt; (Strg+C) legt es in die Zwischenablage. Quellix liest die drei Formen, in denen Othello-Spieler
Spiele aufbewahren und austauschen:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;Eine Zugfolge, die gespielten Felder ab der üblichen Anfangsstellung: &lt;tt&gt;f5d6c3d3c4f4&lt;/tt&gt;. Leerzeichen,
Kommas, Großbuchstaben und Zugnummern (&lt;tt&gt;1. f5 d6 2. c3 d3&lt;/tt&gt;) sind erlaubt, ebenso ein Passen, geschrieben
als &lt;tt&gt;pass&lt;/tt&gt;.&lt;/li&gt;
&lt;li&gt;Eine Stellung: die 64 Felder Reihe für Reihe von links oben (&lt;tt&gt;-&lt;/tt&gt; oder &lt;tt&gt;.&lt;/tt&gt; leer, &lt;tt&gt;X&lt;/tt&gt; oder
&lt;tt&gt;*&lt;/tt&gt; dunkel, &lt;tt&gt;O&lt;/tt&gt; hell), danach die Seite, die am Zug ist, zum Beispiel
&lt;tt&gt;---------------------------OX------XXX-------------------------- O&lt;/tt&gt;. Das Spiel beginnt in dieser
Stellung.&lt;/li&gt;
&lt;li&gt;Eine GGF-Aufzeichnung, wie die Othello-Spielserver Spiele aufbewahren:
&lt;tt&gt;(;GM[Othello]PB[Human]PW[Robot 3]TY[8]BO[8 ... *]B[F5]W[D6];)&lt;/tt&gt;. Beim Speichern entsteht diese Form.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Was sich nicht lesen lässt, wird mit dem Zug oder mit Zeile und Spalte gemeldet, an denen das Lesen
abbrach, und das Spiel geht unverändert weiter.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;h3&gt;The View menu&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Show Move Values&lt;/b&gt; (or V): in the last 20 moves of a game, each square where you may play shows
what the move is worth for certain: how many discs you win (+) or lose (&amp;minus;) by at the end, if both
players play their best from there on. The best move&apos;s value stands out.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Large Move Marks&lt;/b&gt; draws the crosses a third of a square across.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Animation Speed&lt;/b&gt;: &lt;b&gt;Normal&lt;/b&gt;, &lt;b&gt;Fast&lt;/b&gt; (every pause halved) or &lt;b&gt;Instant&lt;/b&gt; (each move
shown at once).&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Results&lt;/b&gt; shows the games won, lost and tied against each robot level, and between two humans
those of player&amp;nbsp;1. A game counts when it ends; a game between two robots does not count.
&lt;b&gt;Reset&lt;/b&gt; sets them all back to 0.&lt;/li&gt;
&lt;li&gt;The options and the results are remembered for next time, with your choice of players.&lt;/li&gt;
&lt;/ul&gt;
</source>
        <extracomment>HTML: translate the text, keep the markup. &quot;View&quot;, &quot;Show Move Values&quot;, &quot;Large Move Marks&quot;, &quot;Animation Speed&quot;, &quot;Normal&quot;, &quot;Fast&quot;, &quot;Instant&quot;, &quot;Results&quot; and &quot;Reset&quot; are the menus&apos; and buttons&apos; texts.</extracomment>
        <translation>
&lt;h3&gt;Das Menü Ansicht&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Zugwerte anzeigen&lt;/b&gt; (oder V): In den letzten 20 Zügen eines Spiels zeigt jedes Feld, auf das du
setzen kannst, was der Zug mit Sicherheit wert ist: um wie viele Steine du am Ende gewinnst (+) oder
verlierst (&amp;minus;), wenn beide Spieler von da an ihr Bestes spielen. Der Wert des besten Zuges ist
hervorgehoben.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Große Zugmarkierungen&lt;/b&gt; zeichnet die Kreuze ein Drittel eines Feldes breit.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Animationstempo&lt;/b&gt;: &lt;b&gt;Normal&lt;/b&gt;, &lt;b&gt;Schnell&lt;/b&gt; (jede Pause halbiert) oder &lt;b&gt;Sofort&lt;/b&gt; (jeder Zug
erscheint auf einen Schlag).&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Ergebnisse&lt;/b&gt; zeigt die gewonnenen, verlorenen und remis gespielten Spiele gegen jede Roboterstufe und,
wenn zwei Menschen spielen, die von Spieler&amp;nbsp;1. Ein Spiel zählt, wenn es zu Ende ist; ein Spiel zwischen
zwei Robotern zählt nicht. &lt;b&gt;Zurücksetzen&lt;/b&gt; setzt alle wieder auf 0.&lt;/li&gt;
&lt;li&gt;Die Optionen und die Ergebnisse merkt sich das Programm für das nächste Mal, ebenso wie deine Wahl der
Spieler.&lt;/li&gt;
&lt;/ul&gt;
</translation>
    </message>
    <message>
        <source>
&lt;h3&gt;Screen readers&lt;/h3&gt;
&lt;p&gt;A screen reader, such as Orca, reads the board as a table of 64 cells: each cell is read as its square,
then what is on it, then what marks it, for example &quot;D3, empty, legal move&quot;, &quot;E4, dark disc&quot; or &quot;C5, light
disc, last move&quot;. The columns are A to H from the left and the rows 1 to 8 from the top. The cell under the
keyboard frame has the focus. Each player&apos;s panel reads as text, for example &quot;Player 1, human, 2 pieces,
your turn&quot;, and moves, passes and the end of the game are announced. The move list reads a row at a time,
for example &quot;1. f5 d6&quot;; with the move values shown, a cell reads its value too, for example &quot;D3, empty,
legal move, value plus 6&quot;.&lt;/p&gt;
</source>
        <extracomment>HTML: translate the text, keep the markup; the quoted texts are what a screen reader reads in your language.</extracomment>
        <translation>
&lt;h3&gt;Screenreader&lt;/h3&gt;
&lt;p&gt;Ein Screenreader wie Orca liest das Brett als Tabelle mit 64 Zellen: Jede Zelle nennt zuerst ihr Feld,
dann, was darauf liegt, und dann, womit es markiert ist, zum Beispiel „D3, leer, möglicher Zug“, „E4, dunkler
Stein“ oder „C5, heller Stein, letzter Zug“. Die Spalten heißen von links nach rechts A bis H, die Reihen
von oben nach unten 1 bis 8. Die Zelle unter dem blauen Rahmen hat den Fokus. Die Anzeige jedes Spielers
wird als Text gelesen, zum Beispiel „Spieler 1, Mensch, 2 Steine, du bist am Zug“, und Züge, Passen und
das Ende des Spiels werden angesagt. Die Zugliste wird Zeile für Zeile gelesen, zum Beispiel „1. f5 d6“;
werden die Zugwerte angezeigt, nennt eine Zelle auch ihren Wert, zum Beispiel „D3, leer, möglicher Zug,
Wert plus 6“.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;h3&gt;Robot levels&lt;/h3&gt;
&lt;p&gt;A robot of level &lt;i&gt;n&lt;/i&gt; looks &lt;i&gt;n&lt;/i&gt; moves ahead. It values discs that can never be turned again
most, then having more moves to choose from than its opponent, then the number of discs. It does not
always play its best move: it draws among its moves, favouring the better ones, and the higher the
level, the more strongly it favours them. Level 1 is a gentle beginner; level 6 rarely gives anything
away.&lt;/p&gt;
</source>
        <extracomment>HTML: translate the text, keep the markup.</extracomment>
        <translation>
&lt;h3&gt;Roboterstufen&lt;/h3&gt;
&lt;p&gt;Ein Roboter der Stufe &lt;i&gt;n&lt;/i&gt; rechnet &lt;i&gt;n&lt;/i&gt; Züge voraus. Am meisten zählen für ihn Steine, die nie
mehr umgedreht werden können, dann, mehr Züge zur Auswahl zu haben als sein Gegner, und dann die Zahl der
Steine. Er spielt nicht immer seinen besten Zug: Er lost unter seinen Zügen, wobei die besseren größere
Chancen haben, und je höher die Stufe, desto stärker bevorzugt er sie. Stufe 1 ist ein gutmütiger Anfänger;
Stufe 6 verschenkt kaum etwas.&lt;/p&gt;
</translation>
    </message>
</context>
<context>
    <name>MoveListWindow</name>
    <message>
        <source>pass</source>
        <translation>Pass</translation>
    </message>
    <message>
        <source>Move List</source>
        <extracomment>The title of the window that lists the moves.</extracomment>
        <translation>Zugliste</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>&amp;Continue from Here</source>
        <translation>Von hier &amp;weiterspielen</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>The first row of the move list: the position the game started from.</extracomment>
        <translation>Anfang</translation>
    </message>
</context>
<context>
    <name>PlayerPanel</name>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>robot level %1</source>
        <translation>Roboter der Stufe %1</translation>
    </message>
    <message>
        <source>human</source>
        <translation>Mensch</translation>
    </message>
    <message>
        <source>won</source>
        <translation>hat gewonnen</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>hat verloren</translation>
    </message>
    <message>
        <source>tied</source>
        <translation>unentschieden</translation>
    </message>
    <message>
        <source>your turn</source>
        <translation>du bist am Zug</translation>
    </message>
    <message>
        <source>can&apos;t move, click Pass</source>
        <translation>kein Zug möglich, wähle Passen</translation>
    </message>
    <message>
        <source>thinking</source>
        <translation>denkt nach</translation>
    </message>
    <message>
        <source>had to pass</source>
        <translation>musste passen</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>The games won, lost and tied by the human against each robot level, and between two humans by player 1. A game counts when it ends.</source>
        <translation>Die Spiele, die der Mensch gegen jede Roboterstufe gewonnen, verloren oder remis gespielt hat, und bei zwei Menschen die von Spieler 1. Ein Spiel zählt, wenn es zu Ende ist.</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Tied</source>
        <translation>Remis</translation>
    </message>
    <message>
        <source>Robot level %1</source>
        <translation>Roboterstufe %1</translation>
    </message>
    <message>
        <source>Two humans</source>
        <translation>Zwei Menschen</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Reset results?</source>
        <translation>Ergebnisse zurücksetzen?</translation>
    </message>
    <message>
        <source>Are you sure you want to set all the results back to 0?</source>
        <translation>Möchtest du wirklich alle Ergebnisse auf 0 zurücksetzen?</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>It&apos;s your turn</source>
        <extracomment>Panel message under the player&apos;s &quot;GO!&quot; picture. Panel messages are drawn at a fixed size in a fixed place of the panel: keep them about as short as the English.</extracomment>
        <translation>Du bist am Zug</translation>
    </message>
    <message>
        <source>It&apos;s my turn</source>
        <extracomment>Panel message of a robot about to move, first line.</extracomment>
        <translation>Ich bin am Zug</translation>
    </message>
    <message>
        <source>Please wait</source>
        <extracomment>Panel message of a robot about to move, second line.</extracomment>
        <translation>Bitte warten</translation>
    </message>
    <message>
        <source>I had to pass</source>
        <extracomment>Panel message of a robot that could not move.</extracomment>
        <translation>Ich musste passen</translation>
    </message>
    <message>
        <source>You can&apos;t move</source>
        <extracomment>Panel message of a human who cannot move, first line.</extracomment>
        <translation>Kein Zug möglich</translation>
    </message>
    <message>
        <source>Click “Pass”</source>
        <extracomment>Panel message of a human who cannot move, second line: the name of the Pass button, in quotation marks.</extracomment>
        <translation>Wähle „Passen“</translation>
    </message>
    <message>
        <source>Clear Board</source>
        <extracomment>Button that ends the game and empties the board.</extracomment>
        <translation>Brett leeren</translation>
    </message>
    <message>
        <source>Start Game</source>
        <extracomment>Button.</extracomment>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <source>Pass</source>
        <extracomment>Button of a human who cannot move.</extracomment>
        <translation>Passen</translation>
    </message>
    <message numerus="yes">
        <source>%d pieces</source>
        <extracomment>A player&apos;s number of discs on the board, beside their disc in the panel, for every number but one, which has its own text, &quot;1 piece&quot;. Translate with %n for the number, in each plural form. Keep it short.</extracomment>
        <translation>
            <numerusform>%n Stein</numerusform>
            <numerusform>%n Steine</numerusform>
        </translation>
    </message>
    <message>
        <source>1 piece</source>
        <extracomment>A player&apos;s number of discs when it is one.</extracomment>
        <translation>1 Stein</translation>
    </message>
    <message>
        <source>Quellix</source>
        <extracomment>The program&apos;s name.</extracomment>
        <translation>Quellix</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the board and start over?</source>
        <translation>Möchtest du das Brett wirklich leeren und neu anfangen?</translation>
    </message>
    <message>
        <source>Start over?</source>
        <extracomment>Title of the question &quot;Are you sure you want to clear the board and start over?&quot;.</extracomment>
        <translation>Neu anfangen?</translation>
    </message>
    <message>
        <source>Are you sure you want to exit Quellix?</source>
        <translation>Möchtest du Quellix wirklich beenden?</translation>
    </message>
    <message>
        <source>Exit?</source>
        <extracomment>Title of the question &quot;Are you sure you want to exit Quellix?&quot;.</extracomment>
        <translation>Beenden?</translation>
    </message>
</context>
</TS>
