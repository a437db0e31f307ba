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
&lt;h3&gt;Playing&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;Choose who plays each colour in the &lt;b&gt;Player 1&lt;/b&gt; and &lt;b&gt;Player 2&lt;/b&gt; menus: a human, or a robot of
level 1 to 6. Two humans can play against each other at one mouse; two robots play by themselves.&lt;/li&gt;
&lt;li&gt;Press &lt;b&gt;Start Game&lt;/b&gt; (or F2). The panel of the player to move stands raised.&lt;/li&gt;
&lt;li&gt;When it is your turn, small crosses mark the squares where you may play: click one. The cursor shows
the colour of your discs.&lt;/li&gt;
&lt;li&gt;If you cannot move, the panel says so: press &lt;b&gt;Pass&lt;/b&gt;.&lt;/li&gt;
&lt;li&gt;Every move is shown turning: an arrow looks round the new disc and the captured discs turn over.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Clear Board&lt;/b&gt; (or Ctrl+F2) ends the game. Your choice of players is remembered for next time.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Undo, hint and the keyboard&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Undo Move&lt;/b&gt; in the Game menu (or Ctrl+Z) takes back your last move, or your last pass, and every
robot move since, and gives you the turn again as it was. Between two humans it takes back one move. Undo
again to go further back. The robots may answer differently the second time.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Hint&lt;/b&gt; (or H): on your turn, a disc of your colour blinks three times on the square that looks best,
seen as far ahead as the level&amp;nbsp;6 robot sees. Any key or click stops the blinking.&lt;/li&gt;
&lt;li&gt;The arrow keys show a blue frame on the board, first on the last move (or in the middle before any
move), and move it one square at a time. Return or Enter plays the framed square, as a click there would.
A click on the board hides the frame.&lt;/li&gt;
&lt;li&gt;Ctrl+Q ends the program, as &lt;b&gt;Exit&lt;/b&gt; does.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Screen readers&lt;/h3&gt;
&lt;p&gt;A screen reader, such as Orca, reads the board as a table of 64 cells: each cell is read as its square,
then what is on it, then what marks it, for example &quot;D3, empty, legal move&quot;, &quot;E4, dark disc&quot; or &quot;C5, light
disc, last move&quot;. The columns are A to H from the left and the rows 1 to 8 from the top. The cell under the
keyboard frame has the focus. Each player&apos;s panel reads as text, for example &quot;Player 1, human, 2 pieces,
your turn&quot;, and moves, passes and the end of the game are announced.&lt;/p&gt;
&lt;h3&gt;Robot levels&lt;/h3&gt;
&lt;p&gt;A robot of level &lt;i&gt;n&lt;/i&gt; looks &lt;i&gt;n&lt;/i&gt; moves ahead. It values discs that can never be turned again
most, then having more moves to choose from than its opponent, then the number of discs. It does not
always play its best move: it draws among its moves, favouring the better ones, and the higher the
level, the more strongly it favours them. Level 1 is a gentle beginner; level 6 rarely gives anything
away.&lt;/p&gt;
</source>
        <extracomment>HTML: translate the text, keep the markup. &quot;Player 1&quot;, &quot;Player 2&quot;, &quot;Start Game&quot;, &quot;Pass&quot; and &quot;Clear Board&quot; are the menus&apos; and buttons&apos; texts.</extracomment>
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
&lt;h3&gt;So wird gespielt&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;Wähle in den Menüs &lt;b&gt;Spieler 1&lt;/b&gt; und &lt;b&gt;Spieler 2&lt;/b&gt;, wer welche Farbe spielt: einen Menschen oder
einen Roboter der Stufe 1 bis 6. Zwei Menschen können an einer Maus gegeneinander spielen; zwei Roboter
spielen allein.&lt;/li&gt;
&lt;li&gt;Klicke auf &lt;b&gt;Spiel starten&lt;/b&gt; (oder drücke F2). Die Anzeige des Spielers, der am Zug ist, tritt
hervor.&lt;/li&gt;
&lt;li&gt;Bist du am Zug, markieren kleine Kreuze die Felder, auf die du setzen kannst: Klicke eines davon an. Der
Mauszeiger zeigt die Farbe deiner Steine.&lt;/li&gt;
&lt;li&gt;Kannst du nicht ziehen, sagt es dir die Anzeige: Klicke auf &lt;b&gt;Passen&lt;/b&gt;.&lt;/li&gt;
&lt;li&gt;Jeder Zug wird in Bewegung gezeigt: Ein Pfeil schaut sich rund um den neuen Stein um, und die
geschlagenen Steine drehen sich um.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Brett leeren&lt;/b&gt; (oder Strg+F2) beendet das Spiel. Welche Spieler du gewählt hast, merkt sich das
Programm für das nächste Mal.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Zurücknehmen, Tipp und Tastatur&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Zug zurücknehmen&lt;/b&gt; im Menü Spiel (oder Strg+Z) nimmt deinen letzten Zug oder dein letztes Passen
zurück, dazu alle Roboterzüge danach; dann bist du wieder am Zug, genau wie vorher. Spielen zwei Menschen
gegeneinander, wird ein Zug zurückgenommen. Nimmst du noch einmal zurück, geht es weiter zurück. Beim
zweiten Mal antworten die Roboter womöglich anders.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Tipp&lt;/b&gt; (oder H): Bist du am Zug, blinkt ein Stein deiner Farbe dreimal auf dem Feld, das am besten
aussieht, wenn man so weit vorausschaut wie der Roboter der Stufe&amp;nbsp;6. Ein Tastendruck oder Klick beendet
das Blinken.&lt;/li&gt;
&lt;li&gt;Die Pfeiltasten zeigen einen blauen Rahmen auf dem Brett, zuerst auf dem letzten Zug (oder vor dem
ersten Zug in der Mitte), und bewegen ihn Feld für Feld. Mit der Eingabetaste oder Enter setzt du auf das
umrahmte Feld, wie mit einem Klick dorthin. Ein Klick auf das Brett blendet den Rahmen aus.&lt;/li&gt;
&lt;li&gt;Strg+Q beendet das Programm, genau wie &lt;b&gt;Beenden&lt;/b&gt;.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Screenreader&lt;/h3&gt;
&lt;p&gt;Ein Screenreader wie Orca liest das Brett als Tabelle mit 64 Zellen: Jede Zelle nennt zuerst ihr Feld,
dann, was darauf liegt, und dann, womit es markiert ist, zum Beispiel „D3, leer, möglicher Zug“, „E4, dunkler
Stein“ oder „C5, heller Stein, letzter Zug“. Die Spalten heißen von links nach rechts A bis H, die Reihen
von oben nach unten 1 bis 8. Die Zelle unter dem blauen Rahmen hat den Fokus. Die Anzeige jedes Spielers
wird als Text gelesen, zum Beispiel „Spieler 1, Mensch, 2 Steine, du bist am Zug“, und Züge, Passen und
das Ende des Spiels werden angesagt.&lt;/p&gt;
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
