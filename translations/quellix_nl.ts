<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>January</source>
        <translation>januari</translation>
    </message>
    <message>
        <source>February</source>
        <translation>februari</translation>
    </message>
    <message>
        <source>March</source>
        <translation>maart</translation>
    </message>
    <message>
        <source>April</source>
        <translation>april</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mei</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>augustus</translation>
    </message>
    <message>
        <source>September</source>
        <translation>september</translation>
    </message>
    <message>
        <source>October</source>
        <translation>oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>november</translation>
    </message>
    <message>
        <source>December</source>
        <translation>december</translation>
    </message>
    <message>
        <source>About Quellix</source>
        <translation>Over Quellix</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1, %2 %3</source>
        <extracomment>%1 is the version number, %2 the month and %3 the year of the release.</extracomment>
        <translation>Versie %1, %2 %3</translation>
    </message>
    <message>
        <source>by Tamsvelder</source>
        <extracomment>The author.</extracomment>
        <translation>door Tamsvelder</translation>
    </message>
    <message>
        <source>With thanks to all who showed how a robot should weigh its discs.</source>
        <extracomment>Two lines at most.</extracomment>
        <translation>Met dank aan iedereen die liet zien hoe een robot zijn stenen moet wegen.</translation>
    </message>
    <message>
        <source>(Tamsvelder games)</source>
        <extracomment>The author&apos;s address, in parentheses.</extracomment>
        <translation>(Tamsvelder-spellen)</translation>
    </message>
</context>
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>turning disc</source>
        <translation>steen draait om</translation>
    </message>
    <message>
        <source>dark disc</source>
        <translation>donkere steen</translation>
    </message>
    <message>
        <source>light disc</source>
        <translation>lichte steen</translation>
    </message>
    <message>
        <source>last move</source>
        <translation>laatste zet</translation>
    </message>
    <message>
        <source>legal move</source>
        <translation>mogelijke zet</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Bord</translation>
    </message>
    <message>
        <source>value plus %1</source>
        <extracomment>A legal move&apos;s exact value: the final disc difference it leads to.</extracomment>
        <translation>waarde plus %1</translation>
    </message>
    <message>
        <source>value minus %1</source>
        <translation>waarde min %1</translation>
    </message>
    <message>
        <source>value %1</source>
        <translation>waarde %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Reversi on an 8 by 8 board. Each of the two players is a human who plays
with the mouse or a robot of level 1 to 6.</source>
        <extracomment>quellix --help: what the program is. Lines of 76 characters at most.</extracomment>
        <translation>Reversi op een bord van 8 bij 8 velden. Elk van de twee spelers is een mens die
met de muis speelt, of een robot van niveau 1 tot en met 6.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Toont deze hulp en sluit af.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Toont de versie en sluit af.</translation>
    </message>
    <message>
        <source>GAME</source>
        <extracomment>quellix --help: the word that names the file argument, and what it is.</extracomment>
        <translation>SPEL</translation>
    </message>
    <message>
        <source>A game to open: a GGF record, a transcript or a position.</source>
        <translation>Een spel om te openen: een GGF-notatie, een zettenreeks of een stelling.</translation>
    </message>
</context>
<context>
    <name>GameAccessibility</name>
    <message>
        <source>Player %1 passed</source>
        <translation>Speler %1 heeft gepast</translation>
    </message>
    <message>
        <source>Player %1 played %2</source>
        <translation>Speler %1 heeft op %2 gezet</translation>
    </message>
    <message>
        <source>Game over, tied, %1 to %2</source>
        <translation>Spel afgelopen, gelijkspel, %1 tegen %2</translation>
    </message>
    <message>
        <source>Game over, Player %1 won, %2 to %3</source>
        <translation>Spel afgelopen, speler %1 heeft gewonnen, %2 tegen %3</translation>
    </message>
</context>
<context>
    <name>GameText</name>
    <message>
        <source>light</source>
        <translation>licht</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>donker</translation>
    </message>
    <message>
        <source>There is no game in it: it is empty.</source>
        <translation>Er staat geen spel in: de inhoud is leeg.</translation>
    </message>
    <message>
        <source>It is not text.</source>
        <translation>De inhoud is geen tekst.</translation>
    </message>
    <message>
        <source>It is larger than 1 MB, far more than any game.</source>
        <translation>De inhoud is groter dan 1 MB, veel meer dan welk spel ook.</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Dit bestand bestaat niet.</translation>
    </message>
    <message>
        <source>It cannot be read (%1).</source>
        <translation>Het bestand kan niet worden gelezen (%1).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a square nor a pass.</source>
        <translation>„%1” is geen veld en ook geen pas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a legal move for %2.</source>
        <extracomment>%1 a square such as c4, %2 &quot;dark&quot; or &quot;light&quot;.</extracomment>
        <translation>„%1” is geen mogelijke zet voor %2.</translation>
    </message>
    <message>
        <source>%1 may not pass here: it has a legal move.</source>
        <translation>%1 mag hier niet passen, want er is een mogelijke zet.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; comes after the end of the game.</source>
        <translation>„%1” komt na het einde van het spel.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a move of the side that is not to move.</source>
        <translation>„%1” is een zet van de kleur die niet aan zet is.</translation>
    </message>
    <message>
        <source>It is a game Quellix does not play (&quot;%1&quot;).</source>
        <translation>Het is een spel dat Quellix niet speelt („%1”).</translation>
    </message>
    <message>
        <source>It is the variant in which the fewer discs win, which Quellix does not play.</source>
        <translation>Het is de variant waarin de speler met de minste stenen wint, en die speelt Quellix niet.</translation>
    </message>
    <message>
        <source>The board is not 64 squares of empty, dark and light (&quot;%1&quot;).</source>
        <translation>Het bord bestaat niet uit 64 velden die leeg, donker of licht zijn („%1”).</translation>
    </message>
    <message>
        <source>The side to move is missing or unknown (&quot;%1&quot;).</source>
        <translation>Wie aan zet is, ontbreekt of is onbekend („%1”).</translation>
    </message>
    <message>
        <source>The record ends too soon.</source>
        <translation>De notatie houdt te vroeg op.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stands where a property of the record must.</source>
        <translation>„%1” staat waar een eigenschap van de notatie moet staan.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; follows where nothing more may.</source>
        <translation>„%1” volgt waar niets meer mag volgen.</translation>
    </message>
    <message>
        <source>Move %1: %2</source>
        <extracomment>%1 the number of the move in the text, %2 the reason.</extracomment>
        <translation>Zet %1: %2</translation>
    </message>
    <message>
        <source>Line %1, column %2: %3</source>
        <translation>Regel %1, kolom %2: %3</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>&amp;Human</source>
        <translation>&amp;Mens</translation>
    </message>
    <message>
        <source>Robot &amp;1 - Beginner</source>
        <translation>Robot &amp;1 - Beginner</translation>
    </message>
    <message>
        <source>Robot &amp;2 - Getting better</source>
        <translation>Robot &amp;2 - Wordt beter</translation>
    </message>
    <message>
        <source>Robot &amp;3 - Pretty good</source>
        <translation>Robot &amp;3 - Best goed</translation>
    </message>
    <message>
        <source>Robot &amp;4 - Expert</source>
        <translation>Robot &amp;4 - Expert</translation>
    </message>
    <message>
        <source>Robot &amp;5 - Wizard</source>
        <translation>Robot &amp;5 - Tovenaar</translation>
    </message>
    <message>
        <source>Robot &amp;6 - Perfectionist</source>
        <translation>Robot &amp;6 - Perfectionist</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>Menu. In the menu bar and in each menu, every text has a mnemonic (the letter after the &amp;) of its own.</extracomment>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;Start Game	F2</source>
        <translation>Spel &amp;starten	F2</translation>
    </message>
    <message>
        <source>&amp;Clear Game	Ctrl-F2</source>
        <extracomment>After the tab: the key, as the keyboards of your language name it.</extracomment>
        <translation>Bord &amp;wissen	Ctrl+F2</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>Player &amp;1</source>
        <translation>Speler &amp;1</translation>
    </message>
    <message>
        <source>Player &amp;2</source>
        <translation>Speler &amp;2</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Help Contents	F1</source>
        <translation>&amp;Inhoud	F1</translation>
    </message>
    <message>
        <source>&amp;About Quellix</source>
        <translation>&amp;Over Quellix</translation>
    </message>
    <message>
        <source>&amp;Undo Move	Ctrl+Z</source>
        <translation>Zet ongedaan &amp;maken	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Hint	H</source>
        <translation>&amp;Tip	H</translation>
    </message>
    <message>
        <source>&amp;Redo Move	Ctrl+Shift+Z</source>
        <translation>Zet opnieuw &amp;doen	Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>&amp;Pass	P</source>
        <translation>&amp;Passen	P</translation>
    </message>
    <message>
        <source>&amp;Open Game…	Ctrl+O</source>
        <translation>Spel &amp;openen…	Ctrl+O</translation>
    </message>
    <message>
        <source>Save Game &amp;As…	Ctrl+S</source>
        <extracomment>The mnemonic is not S, C or P here: those are Start Game&apos;s, Clear Game&apos;s and Pass&apos;s.</extracomment>
        <translation>Spel opslaan &amp;als…	Ctrl+S</translation>
    </message>
    <message>
        <source>Cop&amp;y Game	Ctrl+C</source>
        <translation>Spel &amp;kopiëren	Ctrl+C</translation>
    </message>
    <message>
        <source>Pas&amp;te Game	Ctrl+V</source>
        <translation>Spel p&amp;lakken	Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Beeld</translation>
    </message>
    <message>
        <source>Move &amp;List	Ctrl+L</source>
        <translation>Zetten&amp;lijst	Ctrl+L</translation>
    </message>
    <message>
        <source>&amp;Continue from Here</source>
        <translation>Vanaf hier &amp;verderspelen</translation>
    </message>
    <message>
        <source>Show Move &amp;Values	V</source>
        <translation>&amp;Zetwaarden tonen	V</translation>
    </message>
    <message>
        <source>Large Move &amp;Marks</source>
        <extracomment>The mnemonic is not L: that is Move List&apos;s.</extracomment>
        <translation>&amp;Grote zetmarkeringen</translation>
    </message>
    <message>
        <source>Animation &amp;Speed</source>
        <translation>Animatie&amp;snelheid</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <extracomment>The speeds of the move animation: as always, every pause halved, no animation.</extracomment>
        <translation>&amp;Normaal</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Snel</translation>
    </message>
    <message>
        <source>&amp;Instant</source>
        <translation>&amp;Direct</translation>
    </message>
    <message>
        <source>&amp;Results</source>
        <translation>&amp;Resultaten</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Spel openen</translation>
    </message>
    <message>
        <source>Games (*.ggf *.txt);;All files (*)</source>
        <translation>Spellen (*.ggf *.txt);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Paste Game</source>
        <translation>Spel plakken</translation>
    </message>
    <message>
        <source>The text on the clipboard</source>
        <translation>De tekst op het klembord</translation>
    </message>
    <message>
        <source>%1 is not a game that Quellix can read.</source>
        <extracomment>%1 a file&apos;s name or &quot;The text on the clipboard&quot;.</extracomment>
        <translation>%1 is geen spel dat Quellix kan lezen.</translation>
    </message>
    <message>
        <source>Are you sure you want to end this game and play on from the one read?</source>
        <translation>Weet je zeker dat je dit spel wilt beëindigen en met het ingelezen spel verder wilt spelen?</translation>
    </message>
    <message>
        <source>End this game?</source>
        <translation>Dit spel beëindigen?</translation>
    </message>
    <message>
        <source>Save Game As</source>
        <translation>Spel opslaan als</translation>
    </message>
    <message>
        <source>GGF games (*.ggf);;All files (*)</source>
        <translation>GGF-spellen (*.ggf);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>The game could not be saved to %1:
%2</source>
        <extracomment>%1 the file&apos;s name, %2 the reason the system gives.</extracomment>
        <translation>Het spel kon niet worden opgeslagen in %1:
%2</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quellix Help</source>
        <translation>Help bij Quellix</translation>
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
&lt;h3&gt;De regels&lt;/h3&gt;
&lt;p&gt;Twee spelers leggen om beurten stenen op een bord van 8 bij 8 velden: speler&amp;nbsp;1 speelt met de donkere
stenen en begint, speler&amp;nbsp;2 met de lichte. Bij het begin liggen er in het midden twee stenen van elke
kleur.&lt;/p&gt;
&lt;p&gt;Elke zet moet slaan: de nieuwe steen en een andere steen van dezelfde kleur moeten in een rechte lijn
(horizontaal, verticaal of diagonaal) een ononderbroken rij stenen van de tegenstander insluiten. Elke
ingesloten steen wordt omgedraaid naar de kleur van de speler die zet, in elke richting waarin de zet stenen
insluit.&lt;/p&gt;
&lt;p&gt;Wie nergens kan slaan, moet passen; de andere speler is dan nog een keer aan zet. Het spel is afgelopen
als geen van beide spelers nog kan zetten, meestal als het bord vol is. Wie de meeste stenen heeft, wint.&lt;/p&gt;
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
&lt;h3&gt;Zo speel je&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;Kies in de menu’s &lt;b&gt;Speler 1&lt;/b&gt; en &lt;b&gt;Speler 2&lt;/b&gt; wie met welke kleur speelt: een mens of een robot
van niveau 1 tot en met 6. Twee mensen kunnen met één muis tegen elkaar spelen; twee robots spelen
vanzelf.&lt;/li&gt;
&lt;li&gt;Klik op &lt;b&gt;Spel starten&lt;/b&gt; (of druk op F2). Het paneel van de speler die aan zet is, komt naar
voren.&lt;/li&gt;
&lt;li&gt;Ben je aan zet, dan geven kleine kruisjes de velden aan waar je mag zetten: klik er een aan. De
muisaanwijzer heeft de kleur van jouw stenen.&lt;/li&gt;
&lt;li&gt;Kun je niet zetten, dan meldt het paneel dat: klik op &lt;b&gt;Passen&lt;/b&gt; of druk op P (&lt;b&gt;Passen&lt;/b&gt; in het
menu Spel).&lt;/li&gt;
&lt;li&gt;Elke zet wordt in beweging getoond: een pijl kijkt rond bij de nieuwe steen en de geslagen stenen
draaien om.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Bord wissen&lt;/b&gt; (of Ctrl+F2) beëindigt het spel. Welke spelers je gekozen hebt, wordt onthouden
voor de volgende keer.&lt;/li&gt;
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
&lt;h3&gt;Ongedaan maken, tip en toetsenbord&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Zet ongedaan maken&lt;/b&gt; in het menu Spel (of Ctrl+Z) maakt je laatste zet of je laatste keer
passen ongedaan, samen met alle robotzetten daarna, en je bent weer aan zet zoals toen. Spelen twee mensen
tegen elkaar, dan wordt er één zet ongedaan gemaakt. Maak nog een zet ongedaan om verder terug te gaan. De
robots kunnen de tweede keer anders reageren.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Zet opnieuw doen&lt;/b&gt; (of Ctrl+Shift+Z, of Ctrl+Y) speelt meteen opnieuw wat de laatste keer ongedaan
maken terugnam. Doe je in plaats daarvan een nieuwe zet, dan vervalt het.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Tip&lt;/b&gt; (of H): als je aan zet bent, knippert een steen van jouw kleur drie keer op het veld dat het
beste lijkt als je zo ver vooruitkijkt als de robot van niveau&amp;nbsp;6; in de laatste 20 zetten van een spel
op een veld dat zeker het beste is, gevonden door elk mogelijk spel tot het einde uit te spelen. Elke toets
of klik stopt het knipperen.&lt;/li&gt;
&lt;li&gt;De pijltjestoetsen tonen een blauw kader op het bord, eerst op de laatste zet (of in het midden zolang er
nog geen zet is gedaan), en verplaatsen het steeds één veld. Enter, ook die op het numerieke toetsenblok,
zet op het omkaderde veld, net als een klik daar. Een klik op het bord verbergt het kader, net als de beurt
van een robot of het einde van het spel; de volgende pijltjestoets toont het weer.&lt;/li&gt;
&lt;li&gt;Ctrl+Q sluit het programma af, net als &lt;b&gt;Afsluiten&lt;/b&gt;.&lt;/li&gt;
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
&lt;h3&gt;De zettenlijst&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;Zettenlijst&lt;/b&gt; in het menu &lt;b&gt;Beeld&lt;/b&gt; (of Ctrl+L) opent naast het bord een venster met alle zetten
van het spel, genummerd zoals othellospelers ze noteren: „1. f5 d6” is de eerste zet van donker, op f5, en
het antwoord van licht op d6. De kolommen heten van links naar rechts a tot en met h, de rijen van boven naar
beneden 1 tot en met 8; een keer passen staat er als „pas”. Is een spel afgelopen, kies dan een regel (of
gebruik Home, End en de pijltjestoetsen in de lijst) om die stelling op het bord te zien, met de laatste zet
en het aantal stenen; &lt;b&gt;Vanaf hier verderspelen&lt;/b&gt; speelt het spel vanaf die stelling verder en vergeet de
zetten daarna.&lt;/p&gt;
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
&lt;h3&gt;Spellen als tekst&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;Spel openen&lt;/b&gt; (Ctrl+O) en &lt;b&gt;Spel plakken&lt;/b&gt; (Ctrl+V) lezen een spel in en spelen verder vanaf het
einde ervan; &lt;b&gt;Spel opslaan als&lt;/b&gt; (Ctrl+S) schrijft het spel naar een bestand en &lt;b&gt;Spel kopiëren&lt;/b&gt;
(Ctrl+C) zet het op het klembord. Quellix leest de drie vormen waarin othellospelers spellen bewaren en
uitwisselen:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;Een zettenreeks, de gespeelde velden vanaf de gewone beginstelling: &lt;tt&gt;f5d6c3d3c4f4&lt;/tt&gt;. Spaties,
komma’s, hoofdletters en zetnummers (&lt;tt&gt;1. f5 d6 2. c3 d3&lt;/tt&gt;) mogen, en een keer passen geschreven als
&lt;tt&gt;pass&lt;/tt&gt; ook.&lt;/li&gt;
&lt;li&gt;Een stelling: de 64 velden rij voor rij vanaf linksboven (&lt;tt&gt;-&lt;/tt&gt; of &lt;tt&gt;.&lt;/tt&gt; leeg, &lt;tt&gt;X&lt;/tt&gt; of
&lt;tt&gt;*&lt;/tt&gt; donker, &lt;tt&gt;O&lt;/tt&gt; licht), daarna de kleur die aan zet is, bijvoorbeeld
&lt;tt&gt;---------------------------OX------XXX-------------------------- O&lt;/tt&gt;. Een spel begint vanaf die
stelling.&lt;/li&gt;
&lt;li&gt;Een GGF-notatie, zoals de othelloservers spellen bewaren:
&lt;tt&gt;(;GM[Othello]PB[Human]PW[Robot 3]TY[8]BO[8 ... *]B[F5]W[D6];)&lt;/tt&gt;. Opslaan schrijft deze vorm.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Wat niet gelezen kan worden, wordt gemeld met de zet, of de regel en kolom, waar het lezen stopte, en het
spel gaat ongewijzigd verder.&lt;/p&gt;
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
&lt;h3&gt;Het menu Beeld&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Zetwaarden tonen&lt;/b&gt; (of V): in de laatste 20 zetten van een spel toont elk veld waar je mag zetten
de precieze waarde van de zet: met hoeveel stenen je aan het einde wint (+) of verliest (&amp;minus;), als beide
spelers vanaf dan hun beste zetten doen. De waarde van de beste zet valt op.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Grote zetmarkeringen&lt;/b&gt; tekent de kruisjes een derde van een veld breed.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Animatiesnelheid&lt;/b&gt;: &lt;b&gt;Normaal&lt;/b&gt;, &lt;b&gt;Snel&lt;/b&gt; (elke pauze gehalveerd) of &lt;b&gt;Direct&lt;/b&gt; (elke zet
meteen getoond).&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Resultaten&lt;/b&gt; toont de gewonnen, verloren en gelijkgespeelde spellen tegen elk robotniveau, en bij
twee mensen die van speler&amp;nbsp;1. Een spel telt mee zodra het afgelopen is; een spel tussen twee robots
telt niet mee. &lt;b&gt;Op nul zetten&lt;/b&gt; zet ze allemaal terug op 0.&lt;/li&gt;
&lt;li&gt;De opties en de resultaten worden onthouden voor de volgende keer, samen met je keuze van spelers.&lt;/li&gt;
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
&lt;h3&gt;Schermlezers&lt;/h3&gt;
&lt;p&gt;Een schermlezer, zoals Orca, leest het bord als een tabel van 64 cellen: elke cel noemt eerst zijn veld,
dan wat erop ligt en dan welke markering hij heeft, bijvoorbeeld „D3, leeg, mogelijke zet”, „E4,
donkere steen” of „C5, lichte steen, laatste zet”. De kolommen heten van links naar rechts A tot en met H,
de rijen van boven naar beneden 1 tot en met 8. De cel onder het blauwe kader heeft de focus. Het paneel
van elke speler wordt als tekst voorgelezen, bijvoorbeeld „Speler 1, mens, 2 stenen, je bent aan zet”, en
zetten, passen en het einde van het spel worden aangekondigd. De zettenlijst wordt regel voor regel
voorgelezen, bijvoorbeeld „1. f5 d6”; als de zetwaarden getoond worden, noemt een cel ook zijn waarde,
bijvoorbeeld „D3, leeg, mogelijke zet, waarde plus 6”.&lt;/p&gt;
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
&lt;h3&gt;Robotniveaus&lt;/h3&gt;
&lt;p&gt;Een robot van niveau &lt;i&gt;n&lt;/i&gt; rekent &lt;i&gt;n&lt;/i&gt; zetten vooruit. Het zwaarst wegen voor hem stenen die nooit
meer omgedraaid kunnen worden, dan meer zetten om uit te kiezen hebben dan zijn tegenstander, en dan het
aantal stenen. Hij speelt niet altijd zijn beste zet: hij loot tussen zijn zetten, waarbij de betere meer
kans krijgen, en hoe hoger het niveau, hoe sterker hij die voortrekt. Niveau 1 is een vriendelijke beginner;
niveau 6 geeft zelden iets weg.&lt;/p&gt;
</translation>
    </message>
</context>
<context>
    <name>MoveListWindow</name>
    <message>
        <source>pass</source>
        <translation>pas</translation>
    </message>
    <message>
        <source>Move List</source>
        <extracomment>The title of the window that lists the moves.</extracomment>
        <translation>Zettenlijst</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Zetten</translation>
    </message>
    <message>
        <source>&amp;Continue from Here</source>
        <translation>Vanaf hier &amp;verderspelen</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>The first row of the move list: the position the game started from.</extracomment>
        <translation>Begin</translation>
    </message>
</context>
<context>
    <name>PlayerPanel</name>
    <message>
        <source>Player %1</source>
        <translation>Speler %1</translation>
    </message>
    <message>
        <source>robot level %1</source>
        <translation>robot van niveau %1</translation>
    </message>
    <message>
        <source>human</source>
        <translation>mens</translation>
    </message>
    <message>
        <source>won</source>
        <translation>heeft gewonnen</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>heeft verloren</translation>
    </message>
    <message>
        <source>tied</source>
        <translation>gelijkspel</translation>
    </message>
    <message>
        <source>your turn</source>
        <translation>je bent aan zet</translation>
    </message>
    <message>
        <source>can&apos;t move, click Pass</source>
        <translation>je kunt niet zetten, klik op Passen</translation>
    </message>
    <message>
        <source>thinking</source>
        <translation>denkt na</translation>
    </message>
    <message>
        <source>had to pass</source>
        <translation>moest passen</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Results</source>
        <translation>Resultaten</translation>
    </message>
    <message>
        <source>The games won, lost and tied by the human against each robot level, and between two humans by player 1. A game counts when it ends.</source>
        <translation>De spellen die de mens tegen elk robotniveau heeft gewonnen, verloren of gelijkgespeeld, en bij twee mensen die van speler 1. Een spel telt mee zodra het afgelopen is.</translation>
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
        <translation>Gelijk</translation>
    </message>
    <message>
        <source>Robot level %1</source>
        <translation>Robotniveau %1</translation>
    </message>
    <message>
        <source>Two humans</source>
        <translation>Twee mensen</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Op nul zetten</translation>
    </message>
    <message>
        <source>Reset results?</source>
        <translation>Resultaten op nul zetten?</translation>
    </message>
    <message>
        <source>Are you sure you want to set all the results back to 0?</source>
        <translation>Weet je zeker dat je alle resultaten weer op 0 wilt zetten?</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>It&apos;s your turn</source>
        <extracomment>Panel message under the player&apos;s &quot;GO!&quot; picture. Panel messages are drawn at a fixed size in a fixed place of the panel: keep them about as short as the English.</extracomment>
        <translation>Je bent aan zet</translation>
    </message>
    <message>
        <source>It&apos;s my turn</source>
        <extracomment>Panel message of a robot about to move, first line.</extracomment>
        <translation>Ik ben aan zet</translation>
    </message>
    <message>
        <source>Please wait</source>
        <extracomment>Panel message of a robot about to move, second line.</extracomment>
        <translation>Even geduld</translation>
    </message>
    <message>
        <source>I had to pass</source>
        <extracomment>Panel message of a robot that could not move.</extracomment>
        <translation>Ik moest passen</translation>
    </message>
    <message>
        <source>You can&apos;t move</source>
        <extracomment>Panel message of a human who cannot move, first line.</extracomment>
        <translation>Je kunt niet zetten</translation>
    </message>
    <message>
        <source>Click “Pass”</source>
        <extracomment>Panel message of a human who cannot move, second line: the name of the Pass button, in quotation marks.</extracomment>
        <translation>Klik op „Passen”</translation>
    </message>
    <message>
        <source>Clear Board</source>
        <extracomment>Button that ends the game and empties the board.</extracomment>
        <translation>Bord wissen</translation>
    </message>
    <message>
        <source>Start Game</source>
        <extracomment>Button.</extracomment>
        <translation>Spel starten</translation>
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
            <numerusform>%n steen</numerusform>
            <numerusform>%n stenen</numerusform>
        </translation>
    </message>
    <message>
        <source>1 piece</source>
        <extracomment>A player&apos;s number of discs when it is one.</extracomment>
        <translation>1 steen</translation>
    </message>
    <message>
        <source>Quellix</source>
        <extracomment>The program&apos;s name.</extracomment>
        <translation>Quellix</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the board and start over?</source>
        <translation>Weet je zeker dat je het bord wilt wissen en opnieuw wilt beginnen?</translation>
    </message>
    <message>
        <source>Start over?</source>
        <extracomment>Title of the question &quot;Are you sure you want to clear the board and start over?&quot;.</extracomment>
        <translation>Opnieuw beginnen?</translation>
    </message>
    <message>
        <source>Are you sure you want to exit Quellix?</source>
        <translation>Weet je zeker dat je Quellix wilt afsluiten?</translation>
    </message>
    <message>
        <source>Exit?</source>
        <extracomment>Title of the question &quot;Are you sure you want to exit Quellix?&quot;.</extracomment>
        <translation>Afsluiten?</translation>
    </message>
</context>
</TS>
