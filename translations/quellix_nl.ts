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
        <translation>&amp;Afsluiten</translation>
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
        <translation>Zet &amp;ongedaan maken	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Hint	H</source>
        <translation>&amp;Tip	H</translation>
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
&lt;h3&gt;Zo speel je&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;Kies in de menu’s &lt;b&gt;Speler 1&lt;/b&gt; en &lt;b&gt;Speler 2&lt;/b&gt; wie met welke kleur speelt: een mens of een robot
van niveau 1 tot en met 6. Twee mensen kunnen met één muis tegen elkaar spelen; twee robots spelen
vanzelf.&lt;/li&gt;
&lt;li&gt;Klik op &lt;b&gt;Spel starten&lt;/b&gt; (of druk op F2). Het paneel van de speler die aan zet is, komt naar
voren.&lt;/li&gt;
&lt;li&gt;Ben je aan zet, dan geven kleine kruisjes de velden aan waar je mag zetten: klik er een aan. De
muisaanwijzer heeft de kleur van jouw stenen.&lt;/li&gt;
&lt;li&gt;Kun je niet zetten, dan meldt het paneel dat: klik op &lt;b&gt;Passen&lt;/b&gt;.&lt;/li&gt;
&lt;li&gt;Elke zet wordt in beweging getoond: een pijl kijkt rond bij de nieuwe steen en de geslagen stenen
draaien om.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Bord wissen&lt;/b&gt; (of Ctrl+F2) beëindigt het spel. Welke spelers je gekozen hebt, wordt onthouden
voor de volgende keer.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Ongedaan maken, tip en toetsenbord&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Zet ongedaan maken&lt;/b&gt; in het menu Spel (of Ctrl+Z) maakt je laatste zet of je laatste keer
passen ongedaan, samen met alle robotzetten daarna, en je bent weer aan zet zoals toen. Spelen twee mensen
tegen elkaar, dan wordt er één zet ongedaan gemaakt. Maak nog een zet ongedaan om verder terug te gaan. De
robots kunnen de tweede keer anders reageren.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Tip&lt;/b&gt; (of H): als je aan zet bent, knippert een steen van jouw kleur drie keer op het veld dat het
beste lijkt als je zo ver vooruitkijkt als de robot van niveau&amp;nbsp;6. Elke toets of klik stopt het
knipperen.&lt;/li&gt;
&lt;li&gt;De pijltjestoetsen tonen een blauw kader op het bord, eerst op de laatste zet (of in het midden zolang er
nog geen zet is gedaan), en verplaatsen het steeds één veld. Enter, ook die op het numerieke toetsenblok,
zet op het omkaderde veld, net als een klik daar. Een klik op het bord verbergt het kader.&lt;/li&gt;
&lt;li&gt;Ctrl+Q sluit het programma af, net als &lt;b&gt;Afsluiten&lt;/b&gt;.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Schermlezers&lt;/h3&gt;
&lt;p&gt;Een schermlezer, zoals Orca, leest het bord als een tabel van 64 cellen: elke cel noemt eerst zijn veld,
dan wat erop ligt en dan welke markering hij heeft, bijvoorbeeld „D3, leeg, mogelijke zet”, „E4,
donkere steen” of „C5, lichte steen, laatste zet”. De kolommen heten van links naar rechts A tot en met H,
de rijen van boven naar beneden 1 tot en met 8. De cel onder het blauwe kader heeft de focus. Het paneel
van elke speler wordt als tekst voorgelezen, bijvoorbeeld „Speler 1, mens, 2 stenen, je bent aan zet”, en
zetten, passen en het einde van het spel worden aangekondigd.&lt;/p&gt;
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
