<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>January</source>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
    </message>
    <message>
        <source>About Quellix</source>
        <translation>À propos de Quellix</translation>
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
        <translation>par Tamsvelder</translation>
    </message>
    <message>
        <source>With thanks to all who showed how a robot should weigh its discs.</source>
        <extracomment>Two lines at most.</extracomment>
        <translation>Merci à tous ceux qui ont montré comment un robot doit évaluer ses pions.</translation>
    </message>
    <message>
        <source>(Tamsvelder games)</source>
        <extracomment>The author&apos;s address, in parentheses.</extracomment>
        <translation>(jeux Tamsvelder)</translation>
    </message>
</context>
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>turning disc</source>
        <translation>pion qui se retourne</translation>
    </message>
    <message>
        <source>dark disc</source>
        <translation>pion foncé</translation>
    </message>
    <message>
        <source>light disc</source>
        <translation>pion clair</translation>
    </message>
    <message>
        <source>last move</source>
        <translation>dernier coup</translation>
    </message>
    <message>
        <source>legal move</source>
        <translation>coup possible</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Reversi on an 8 by 8 board. Each of the two players is a human who plays
with the mouse or a robot of level 1 to 6.</source>
        <extracomment>quellix --help: what the program is. Lines of 76 characters at most.</extracomment>
        <translation>Reversi sur un plateau de 8 cases sur 8. Chacun des deux joueurs est un humain
qui joue avec la souris ou un robot de niveau 1 à 6.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
</context>
<context>
    <name>GameAccessibility</name>
    <message>
        <source>Player %1 passed</source>
        <translation>Le joueur %1 a passé son tour</translation>
    </message>
    <message>
        <source>Player %1 played %2</source>
        <translation>Le joueur %1 a joué en %2</translation>
    </message>
    <message>
        <source>Game over, tied, %1 to %2</source>
        <translation>Partie terminée, égalité, %1 à %2</translation>
    </message>
    <message>
        <source>Game over, Player %1 won, %2 to %3</source>
        <translation>Partie terminée, le joueur %1 a gagné, %2 à %3</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>&amp;Human</source>
        <translation>&amp;Humain</translation>
    </message>
    <message>
        <source>Robot &amp;1 - Beginner</source>
        <translation>Robot &amp;1 - Débutant</translation>
    </message>
    <message>
        <source>Robot &amp;2 - Getting better</source>
        <translation>Robot &amp;2 - En progrès</translation>
    </message>
    <message>
        <source>Robot &amp;3 - Pretty good</source>
        <translation>Robot &amp;3 - Plutôt bon</translation>
    </message>
    <message>
        <source>Robot &amp;4 - Expert</source>
        <translation>Robot &amp;4 - Expert</translation>
    </message>
    <message>
        <source>Robot &amp;5 - Wizard</source>
        <translation>Robot &amp;5 - Magicien</translation>
    </message>
    <message>
        <source>Robot &amp;6 - Perfectionist</source>
        <translation>Robot &amp;6 - Perfectionniste</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>Menu. In the menu bar and in each menu, every text has a mnemonic (the letter after the &amp;) of its own.</extracomment>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;Start Game	F2</source>
        <translation>&amp;Commencer	F2</translation>
    </message>
    <message>
        <source>&amp;Clear Game	Ctrl-F2</source>
        <extracomment>After the tab: the key, as the keyboards of your language name it.</extracomment>
        <translation>&amp;Tout effacer	Ctrl+F2</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Player &amp;1</source>
        <translation>Joueur &amp;1</translation>
    </message>
    <message>
        <source>Player &amp;2</source>
        <translation>Joueur &amp;2</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Help Contents	F1</source>
        <translation>&amp;Sommaire de l’aide	F1</translation>
    </message>
    <message>
        <source>&amp;About Quellix</source>
        <translation>À &amp;propos de Quellix</translation>
    </message>
    <message>
        <source>&amp;Undo Move	Ctrl+Z</source>
        <translation>&amp;Annuler le coup	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Hint	H</source>
        <translation>&amp;Indice	H</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quellix Help</source>
        <translation>Aide de Quellix</translation>
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
&lt;h3&gt;Les règles&lt;/h3&gt;
&lt;p&gt;Deux joueurs posent à tour de rôle des pions sur un plateau de 8 cases sur 8&amp;nbsp;: le joueur&amp;nbsp;1 joue
les pions foncés et commence, le joueur&amp;nbsp;2 joue les pions clairs. La partie commence avec deux pions de
chaque couleur au centre.&lt;/p&gt;
&lt;p&gt;Chaque coup doit prendre&amp;nbsp;: le nouveau pion et un autre pion de la même couleur doivent encadrer, en
ligne droite (horizontalement, verticalement ou en diagonale), une rangée continue de pions adverses. Tout
pion encadré est retourné et prend la couleur du joueur qui vient de jouer, dans chaque direction où le coup
en encadre.&lt;/p&gt;
&lt;p&gt;Un joueur qui ne peut prendre nulle part doit passer&amp;nbsp;; l’autre joueur rejoue. La partie se termine
quand aucun des deux joueurs ne peut plus jouer, le plus souvent quand le plateau est plein. Celui qui a le
plus de pions gagne.&lt;/p&gt;
&lt;h3&gt;Comment jouer&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;Choisissez qui joue chaque couleur dans les menus &lt;b&gt;Joueur 1&lt;/b&gt; et &lt;b&gt;Joueur 2&lt;/b&gt;&amp;nbsp;: un humain ou
un robot de niveau 1 à 6. Deux humains peuvent s’affronter avec une seule souris&amp;nbsp;; deux robots jouent
tout seuls.&lt;/li&gt;
&lt;li&gt;Cliquez sur &lt;b&gt;Commencer&lt;/b&gt; (ou appuyez sur F2). Le panneau du joueur dont c’est le tour
apparaît en relief.&lt;/li&gt;
&lt;li&gt;Quand c’est à vous de jouer, de petites croix marquent les cases où vous pouvez poser un pion&amp;nbsp;:
cliquez sur l’une d’elles. Le pointeur prend la couleur de vos pions.&lt;/li&gt;
&lt;li&gt;Si vous ne pouvez pas jouer, le panneau vous le dit&amp;nbsp;: cliquez sur &lt;b&gt;Passer&lt;/b&gt;.&lt;/li&gt;
&lt;li&gt;Chaque coup est montré en mouvement&amp;nbsp;: une flèche fait le tour du nouveau pion, et les pions pris se
retournent.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Tout effacer&lt;/b&gt; (ou Ctrl+F2) met fin à la partie. Votre choix de joueurs est conservé pour la
prochaine fois.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Annuler, indice et clavier&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Annuler le coup&lt;/b&gt; dans le menu Partie (ou Ctrl+Z) annule votre dernier coup, ou le dernier tour
que vous avez passé, ainsi que tous les coups joués depuis par les robots, et c’est de nouveau à vous de
jouer, comme avant. Entre deux humains, un seul coup est annulé. Annulez encore pour remonter plus loin.
Les robots peuvent répondre autrement la seconde fois.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Indice&lt;/b&gt; (ou H)&amp;nbsp;: quand c’est à vous de jouer, un pion de votre couleur clignote trois fois sur
la case qui semble la meilleure quand on calcule aussi loin à l’avance que le robot de niveau&amp;nbsp;6. Toute
touche ou tout clic arrête le clignotement.&lt;/li&gt;
&lt;li&gt;Les touches fléchées affichent un cadre bleu sur le plateau, d’abord sur le dernier coup (ou au centre
avant le premier coup), et le déplacent d’une case à la fois. Entrée, sur le clavier principal comme sur le
pavé numérique, joue la case encadrée, comme le ferait un clic sur elle. Un clic sur le plateau masque le
cadre.&lt;/li&gt;
&lt;li&gt;Ctrl+Q ferme le programme, comme &lt;b&gt;Quitter&lt;/b&gt;.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Lecteurs d’écran&lt;/h3&gt;
&lt;p&gt;Un lecteur d’écran, comme Orca, lit le plateau comme un tableau de 64 cellules&amp;nbsp;: chaque cellule
annonce d’abord sa case, puis ce qui s’y trouve, puis ce qui la marque, par exemple «&amp;nbsp;D3, vide, coup
possible&amp;nbsp;», «&amp;nbsp;E4, pion foncé&amp;nbsp;» ou «&amp;nbsp;C5, pion clair, dernier coup&amp;nbsp;». Les colonnes vont
de A à H de gauche à droite, et les rangées de 1 à 8 de haut en bas. La cellule sous le cadre bleu a le
focus. Le panneau de chaque joueur se lit comme un texte, par exemple «&amp;nbsp;Joueur 1, humain, 2 pions, à
vous de jouer&amp;nbsp;», et les coups, les tours passés et la fin de la partie sont annoncés.&lt;/p&gt;
&lt;h3&gt;Les niveaux des robots&lt;/h3&gt;
&lt;p&gt;Un robot de niveau &lt;i&gt;n&lt;/i&gt; calcule &lt;i&gt;n&lt;/i&gt; coups à l’avance. Il accorde le plus de prix aux pions qui
ne pourront plus jamais être retournés, puis au fait d’avoir plus de coups possibles que son adversaire,
puis au nombre de pions. Il ne joue pas toujours son meilleur coup&amp;nbsp;: il tire au sort parmi ses coups en
favorisant les meilleurs, et plus son niveau est élevé, plus il les favorise. Le niveau 1 est un débutant
bienveillant&amp;nbsp;; le niveau 6 ne laisse presque rien passer.&lt;/p&gt;
</translation>
    </message>
</context>
<context>
    <name>PlayerPanel</name>
    <message>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <source>robot level %1</source>
        <translation>robot de niveau %1</translation>
    </message>
    <message>
        <source>human</source>
        <translation>humain</translation>
    </message>
    <message>
        <source>won</source>
        <translation>a gagné</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>a perdu</translation>
    </message>
    <message>
        <source>tied</source>
        <translation>égalité</translation>
    </message>
    <message>
        <source>your turn</source>
        <translation>à vous de jouer</translation>
    </message>
    <message>
        <source>can&apos;t move, click Pass</source>
        <translation>vous êtes bloqué, cliquez sur Passer</translation>
    </message>
    <message>
        <source>thinking</source>
        <translation>réfléchit</translation>
    </message>
    <message>
        <source>had to pass</source>
        <translation>a dû passer</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>It&apos;s your turn</source>
        <extracomment>Panel message under the player&apos;s &quot;GO!&quot; picture. Panel messages are drawn at a fixed size in a fixed place of the panel: keep them about as short as the English.</extracomment>
        <translation>À vous de jouer</translation>
    </message>
    <message>
        <source>It&apos;s my turn</source>
        <extracomment>Panel message of a robot about to move, first line.</extracomment>
        <translation>À moi de jouer</translation>
    </message>
    <message>
        <source>Please wait</source>
        <extracomment>Panel message of a robot about to move, second line.</extracomment>
        <translation>Veuillez patienter</translation>
    </message>
    <message>
        <source>I had to pass</source>
        <extracomment>Panel message of a robot that could not move.</extracomment>
        <translation>J’ai dû passer</translation>
    </message>
    <message>
        <source>You can&apos;t move</source>
        <extracomment>Panel message of a human who cannot move, first line.</extracomment>
        <translation>Vous êtes bloqué</translation>
    </message>
    <message>
        <source>Click “Pass”</source>
        <extracomment>Panel message of a human who cannot move, second line: the name of the Pass button, in quotation marks.</extracomment>
        <translation>Cliquez sur Passer</translation>
    </message>
    <message>
        <source>Clear Board</source>
        <extracomment>Button that ends the game and empties the board.</extracomment>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Start Game</source>
        <extracomment>Button.</extracomment>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Pass</source>
        <extracomment>Button of a human who cannot move.</extracomment>
        <translation>Passer</translation>
    </message>
    <message numerus="yes">
        <source>%d pieces</source>
        <extracomment>A player&apos;s number of discs on the board, beside their disc in the panel, for every number but one, which has its own text, &quot;1 piece&quot;. Translate with %n for the number, in each plural form. Keep it short.</extracomment>
        <translation>
            <numerusform>%n pion</numerusform>
            <numerusform>%n pions</numerusform>
        </translation>
    </message>
    <message>
        <source>1 piece</source>
        <extracomment>A player&apos;s number of discs when it is one.</extracomment>
        <translation>1 pion</translation>
    </message>
    <message>
        <source>Quellix</source>
        <extracomment>The program&apos;s name.</extracomment>
        <translation>Quellix</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the board and start over?</source>
        <translation>Voulez-vous vraiment tout effacer et recommencer&#xa0;?</translation>
    </message>
    <message>
        <source>Start over?</source>
        <extracomment>Title of the question &quot;Are you sure you want to clear the board and start over?&quot;.</extracomment>
        <translation>Recommencer&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to exit Quellix?</source>
        <translation>Voulez-vous vraiment quitter Quellix&#xa0;?</translation>
    </message>
    <message>
        <source>Exit?</source>
        <extracomment>Title of the question &quot;Are you sure you want to exit Quellix?&quot;.</extracomment>
        <translation>Quitter&#xa0;?</translation>
    </message>
</context>
</TS>
