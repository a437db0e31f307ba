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
    <message>
        <source>value plus %1</source>
        <extracomment>A legal move&apos;s exact value: the final disc difference it leads to.</extracomment>
        <translation>valeur plus %1</translation>
    </message>
    <message>
        <source>value minus %1</source>
        <translation>valeur moins %1</translation>
    </message>
    <message>
        <source>value %1</source>
        <translation>valeur %1</translation>
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
    <message>
        <source>GAME</source>
        <extracomment>quellix --help: the word that names the file argument, and what it is.</extracomment>
        <translation>PARTIE</translation>
    </message>
    <message>
        <source>A game to open: a GGF record, a transcript or a position.</source>
        <translation>Une partie à ouvrir&#xa0;: une partie GGF, une suite de coups ou une position.</translation>
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
    <name>GameText</name>
    <message>
        <source>light</source>
        <translation>les clairs</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>les foncés</translation>
    </message>
    <message>
        <source>There is no game in it: it is empty.</source>
        <translation>Il n’y a aucune partie&#xa0;: le contenu est vide.</translation>
    </message>
    <message>
        <source>It is not text.</source>
        <translation>Le contenu n’est pas du texte.</translation>
    </message>
    <message>
        <source>It is larger than 1 MB, far more than any game.</source>
        <translation>Le contenu dépasse 1&#xa0;Mo, bien plus que n’importe quelle partie.</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Ce fichier n’existe pas.</translation>
    </message>
    <message>
        <source>It cannot be read (%1).</source>
        <translation>Le fichier ne peut pas être lu (%1).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a square nor a pass.</source>
        <translation>«&#xa0;%1&#xa0;» n’est ni une case ni un tour passé.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a legal move for %2.</source>
        <extracomment>%1 a square such as c4, %2 &quot;dark&quot; or &quot;light&quot;.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’est pas un coup possible pour %2.</translation>
    </message>
    <message>
        <source>%1 may not pass here: it has a legal move.</source>
        <translation>%1 ne peuvent pas passer ici, car ils ont un coup possible.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; comes after the end of the game.</source>
        <translation>«&#xa0;%1&#xa0;» vient après la fin de la partie.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a move of the side that is not to move.</source>
        <translation>«&#xa0;%1&#xa0;» est un coup du camp dont ce n’est pas le tour.</translation>
    </message>
    <message>
        <source>It is a game Quellix does not play (&quot;%1&quot;).</source>
        <translation>C’est un jeu auquel Quellix ne joue pas («&#xa0;%1&#xa0;»).</translation>
    </message>
    <message>
        <source>It is the variant in which the fewer discs win, which Quellix does not play.</source>
        <translation>C’est la variante où gagne celui qui a le moins de pions, à laquelle Quellix ne joue pas.</translation>
    </message>
    <message>
        <source>The board is not 64 squares of empty, dark and light (&quot;%1&quot;).</source>
        <translation>Le plateau n’est pas fait de 64 cases vides, foncées ou claires («&#xa0;%1&#xa0;»).</translation>
    </message>
    <message>
        <source>The side to move is missing or unknown (&quot;%1&quot;).</source>
        <translation>Le camp qui doit jouer manque ou est inconnu («&#xa0;%1&#xa0;»).</translation>
    </message>
    <message>
        <source>The record ends too soon.</source>
        <translation>Le texte de la partie s’arrête trop tôt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stands where a property of the record must.</source>
        <translation>«&#xa0;%1&#xa0;» se trouve là où doit figurer une propriété de la partie.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; follows where nothing more may.</source>
        <translation>«&#xa0;%1&#xa0;» suit là où plus rien ne doit suivre.</translation>
    </message>
    <message>
        <source>Move %1: %2</source>
        <extracomment>%1 the number of the move in the text, %2 the reason.</extracomment>
        <translation>Coup %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Line %1, column %2: %3</source>
        <translation>Ligne %1, colonne %2&#xa0;: %3</translation>
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
        <translation>Aid&amp;e</translation>
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
    <message>
        <source>&amp;Redo Move	Ctrl+Shift+Z</source>
        <translation>&amp;Rétablir le coup	Ctrl+Maj+Z</translation>
    </message>
    <message>
        <source>&amp;Pass	P</source>
        <translation>&amp;Passer	P</translation>
    </message>
    <message>
        <source>&amp;Open Game…	Ctrl+O</source>
        <translation>&amp;Ouvrir une partie…	Ctrl+O</translation>
    </message>
    <message>
        <source>Save Game &amp;As…	Ctrl+S</source>
        <extracomment>The mnemonic is not S, C or P here: those are Start Game&apos;s, Clear Game&apos;s and Pass&apos;s.</extracomment>
        <translation>Enregistrer la partie &amp;sous…	Ctrl+S</translation>
    </message>
    <message>
        <source>Cop&amp;y Game	Ctrl+C</source>
        <translation>Copi&amp;er la partie	Ctrl+C</translation>
    </message>
    <message>
        <source>Pas&amp;te Game	Ctrl+V</source>
        <translation>Co&amp;ller une partie	Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Move &amp;List	Ctrl+L</source>
        <translation>&amp;Liste des coups	Ctrl+L</translation>
    </message>
    <message>
        <source>&amp;Continue from Here</source>
        <translation>Re&amp;prendre d’ici</translation>
    </message>
    <message>
        <source>Show Move &amp;Values	V</source>
        <translation>Afficher la &amp;valeur des coups	V</translation>
    </message>
    <message>
        <source>Large Move &amp;Marks</source>
        <extracomment>The mnemonic is not L: that is Move List&apos;s.</extracomment>
        <translation>Grandes &amp;marques de coups</translation>
    </message>
    <message>
        <source>Animation &amp;Speed</source>
        <translation>Vitesse d’&amp;animation</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <extracomment>The speeds of the move animation: as always, every pause halved, no animation.</extracomment>
        <translation>&amp;Normale</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Rapide</translation>
    </message>
    <message>
        <source>&amp;Instant</source>
        <translation>&amp;Instantanée</translation>
    </message>
    <message>
        <source>&amp;Results</source>
        <translation>&amp;Résultats</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Ouvrir une partie</translation>
    </message>
    <message>
        <source>Games (*.ggf *.txt);;All files (*)</source>
        <translation>Parties (*.ggf *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Paste Game</source>
        <translation>Coller une partie</translation>
    </message>
    <message>
        <source>The text on the clipboard</source>
        <translation>Le texte du presse-papiers</translation>
    </message>
    <message>
        <source>%1 is not a game that Quellix can read.</source>
        <extracomment>%1 a file&apos;s name or &quot;The text on the clipboard&quot;.</extracomment>
        <translation>%1 n’est pas une partie que Quellix sait lire.</translation>
    </message>
    <message>
        <source>Are you sure you want to end this game and play on from the one read?</source>
        <translation>Voulez-vous vraiment arrêter cette partie et poursuivre celle qui vient d’être lue&#xa0;?</translation>
    </message>
    <message>
        <source>End this game?</source>
        <translation>Arrêter cette partie&#xa0;?</translation>
    </message>
    <message>
        <source>Save Game As</source>
        <translation>Enregistrer la partie sous</translation>
    </message>
    <message>
        <source>GGF games (*.ggf);;All files (*)</source>
        <translation>Parties GGF (*.ggf);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The game could not be saved to %1:
%2</source>
        <extracomment>%1 the file&apos;s name, %2 the reason the system gives.</extracomment>
        <translation>Impossible d’enregistrer la partie dans %1&#xa0;:
%2</translation>
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
</source>
        <extracomment>HTML: translate the text, keep the markup.</extracomment>
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
&lt;h3&gt;Comment jouer&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;Choisissez qui joue chaque couleur dans les menus &lt;b&gt;Joueur 1&lt;/b&gt; et &lt;b&gt;Joueur 2&lt;/b&gt;&amp;nbsp;: un humain ou
un robot de niveau 1 à 6. Deux humains peuvent s’affronter avec une seule souris&amp;nbsp;; deux robots jouent
tout seuls.&lt;/li&gt;
&lt;li&gt;Cliquez sur &lt;b&gt;Commencer&lt;/b&gt; (ou appuyez sur F2). Le panneau du joueur dont c’est le tour
apparaît en relief.&lt;/li&gt;
&lt;li&gt;Quand c’est à vous de jouer, de petites croix marquent les cases où vous pouvez poser un pion&amp;nbsp;:
cliquez sur l’une d’elles. Le pointeur prend la couleur de vos pions.&lt;/li&gt;
&lt;li&gt;Si vous ne pouvez pas jouer, le panneau vous le dit&amp;nbsp;: cliquez sur &lt;b&gt;Passer&lt;/b&gt; ou appuyez sur P
(&lt;b&gt;Passer&lt;/b&gt; dans le menu Partie).&lt;/li&gt;
&lt;li&gt;Chaque coup est montré en mouvement&amp;nbsp;: une flèche fait le tour du nouveau pion, et les pions pris se
retournent.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Tout effacer&lt;/b&gt; (ou Ctrl+F2) met fin à la partie. Votre choix de joueurs est conservé pour la
prochaine fois.&lt;/li&gt;
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
&lt;h3&gt;Annuler, indice et clavier&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Annuler le coup&lt;/b&gt; dans le menu Partie (ou Ctrl+Z) annule votre dernier coup, ou le dernier tour
que vous avez passé, ainsi que tous les coups joués depuis par les robots, et c’est de nouveau à vous de
jouer, comme avant. Entre deux humains, un seul coup est annulé. Annulez encore pour remonter plus loin.
Les robots peuvent répondre autrement la seconde fois.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Rétablir le coup&lt;/b&gt; (ou Ctrl+Maj+Z, ou Ctrl+Y) rejoue aussitôt ce que la dernière annulation a
retiré. Si vous jouez un autre coup à la place, il est oublié.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Indice&lt;/b&gt; (ou H)&amp;nbsp;: quand c’est à vous de jouer, un pion de votre couleur clignote trois fois sur
la case qui semble la meilleure quand on calcule aussi loin à l’avance que le robot de niveau&amp;nbsp;6&amp;nbsp;;
dans les 20 derniers coups d’une partie, sur une case dont il est certain qu’elle est la meilleure, trouvée en jouant
toutes les parties possibles jusqu’à leur fin. Toute touche ou tout clic arrête le clignotement.&lt;/li&gt;
&lt;li&gt;Les touches fléchées affichent un cadre bleu sur le plateau, d’abord sur le dernier coup (ou au centre
avant le premier coup), et le déplacent d’une case à la fois. Entrée, sur le clavier principal comme sur le
pavé numérique, joue la case encadrée, comme le ferait un clic sur elle. Un clic sur le plateau masque le
cadre, de même que le tour d’un robot ou la fin de la partie&amp;nbsp;; la touche fléchée suivante le fait
réapparaître.&lt;/li&gt;
&lt;li&gt;Ctrl+Q ferme le programme, comme &lt;b&gt;Quitter&lt;/b&gt;.&lt;/li&gt;
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
&lt;h3&gt;La liste des coups&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;Liste des coups&lt;/b&gt; dans le menu &lt;b&gt;Affichage&lt;/b&gt; (ou Ctrl+L) ouvre à côté du plateau une fenêtre avec
tous les coups de la partie, numérotés comme les notent les joueurs d’Othello&amp;nbsp;: «&amp;nbsp;1. f5 d6&amp;nbsp;» est
le premier coup des foncés, en f5, et la réponse des clairs en d6. Les colonnes vont de a à h de gauche à
droite, et les rangées de 1 à 8 de haut en bas&amp;nbsp;; un tour passé s’écrit «&amp;nbsp;passe&amp;nbsp;». Une fois la
partie terminée, choisissez une ligne (ou utilisez Début, Fin et les touches fléchées dans la liste) pour voir
cette position sur le plateau, avec son dernier coup et le nombre de pions de chacun&amp;nbsp;; &lt;b&gt;Reprendre
d’ici&lt;/b&gt; poursuit la partie à partir de cette position, en oubliant les coups qui suivent.&lt;/p&gt;
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
&lt;h3&gt;Les parties sous forme de texte&lt;/h3&gt;
&lt;p&gt;&lt;b&gt;Ouvrir une partie&lt;/b&gt; (Ctrl+O) et &lt;b&gt;Coller une partie&lt;/b&gt; (Ctrl+V) lisent une partie et la poursuivent
à partir de sa fin&amp;nbsp;; &lt;b&gt;Enregistrer la partie sous&lt;/b&gt; (Ctrl+S) écrit la partie dans un fichier et
&lt;b&gt;Copier la partie&lt;/b&gt; (Ctrl+C) la place dans le presse-papiers. Quellix lit les trois formes sous lesquelles
les joueurs d’Othello conservent et échangent leurs parties&amp;nbsp;:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;Une suite de coups, les cases jouées depuis la position de départ habituelle&amp;nbsp;: &lt;tt&gt;f5d6c3d3c4f4&lt;/tt&gt;.
Les espaces, les virgules, les majuscules et les numéros de coups (&lt;tt&gt;1. f5 d6 2. c3 d3&lt;/tt&gt;) sont acceptés,
de même qu’un tour passé écrit &lt;tt&gt;pass&lt;/tt&gt;.&lt;/li&gt;
&lt;li&gt;Une position&amp;nbsp;: les 64 cases rangée par rangée depuis le coin supérieur gauche (&lt;tt&gt;-&lt;/tt&gt; ou
&lt;tt&gt;.&lt;/tt&gt; vide, &lt;tt&gt;X&lt;/tt&gt; ou &lt;tt&gt;*&lt;/tt&gt; foncé, &lt;tt&gt;O&lt;/tt&gt; clair), puis le camp qui doit jouer, par exemple
&lt;tt&gt;---------------------------OX------XXX-------------------------- O&lt;/tt&gt;. Une partie commence à partir de
cette position.&lt;/li&gt;
&lt;li&gt;Une partie au format GGF, telle que les serveurs de jeu d’Othello conservent les parties&amp;nbsp;:
&lt;tt&gt;(;GM[Othello]PB[Human]PW[Robot 3]TY[8]BO[8 ... *]B[F5]W[D6];)&lt;/tt&gt;. L’enregistrement écrit cette
forme.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Ce qui ne peut pas être lu est signalé avec le coup, ou la ligne et la colonne, où la lecture s’est
arrêtée, et la partie continue sans changement.&lt;/p&gt;
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
&lt;h3&gt;Le menu Affichage&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Afficher la valeur des coups&lt;/b&gt; (ou V)&amp;nbsp;: dans les 20 derniers coups d’une partie, chaque case où
vous pouvez jouer indique la valeur exacte du coup&amp;nbsp;: de combien de pions vous gagnez (+) ou perdez
(&amp;minus;) à la fin, si les deux joueurs jouent au mieux à partir de là. La valeur du meilleur coup est mise
en évidence.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Grandes marques de coups&lt;/b&gt; dessine les croix sur un tiers de la largeur d’une case.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Vitesse d’animation&lt;/b&gt;&amp;nbsp;: &lt;b&gt;Normale&lt;/b&gt;, &lt;b&gt;Rapide&lt;/b&gt; (chaque pause réduite de moitié) ou
&lt;b&gt;Instantanée&lt;/b&gt; (chaque coup affiché immédiatement).&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Résultats&lt;/b&gt; montre les parties gagnées, perdues et nulles contre chaque niveau de robot et, entre
deux humains, celles du joueur&amp;nbsp;1. Une partie compte quand elle se termine&amp;nbsp;; une partie entre deux
robots ne compte pas. &lt;b&gt;Remettre à zéro&lt;/b&gt; remet tous les résultats à 0.&lt;/li&gt;
&lt;li&gt;Les options et les résultats sont conservés pour la prochaine fois, avec votre choix de joueurs.&lt;/li&gt;
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
&lt;h3&gt;Lecteurs d’écran&lt;/h3&gt;
&lt;p&gt;Un lecteur d’écran, comme Orca, lit le plateau comme un tableau de 64 cellules&amp;nbsp;: chaque cellule
annonce d’abord sa case, puis ce qui s’y trouve, puis ce qui la marque, par exemple «&amp;nbsp;D3, vide, coup
possible&amp;nbsp;», «&amp;nbsp;E4, pion foncé&amp;nbsp;» ou «&amp;nbsp;C5, pion clair, dernier coup&amp;nbsp;». Les colonnes vont
de A à H de gauche à droite, et les rangées de 1 à 8 de haut en bas. La cellule sous le cadre bleu a le
focus. Le panneau de chaque joueur se lit comme un texte, par exemple «&amp;nbsp;Joueur 1, humain, 2 pions, à
vous de jouer&amp;nbsp;», et les coups, les tours passés et la fin de la partie sont annoncés. La liste des coups
se lit une ligne à la fois, par exemple «&amp;nbsp;1. f5 d6&amp;nbsp;»&amp;nbsp;; quand la valeur des coups est affichée,
une cellule annonce aussi sa valeur, par exemple «&amp;nbsp;D3, vide, coup possible, valeur plus 6&amp;nbsp;».&lt;/p&gt;
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
    <name>MoveListWindow</name>
    <message>
        <source>pass</source>
        <translation>passe</translation>
    </message>
    <message>
        <source>Move List</source>
        <extracomment>The title of the window that lists the moves.</extracomment>
        <translation>Liste des coups</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>&amp;Continue from Here</source>
        <translation>Re&amp;prendre d’ici</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>The first row of the move list: the position the game started from.</extracomment>
        <translation>Départ</translation>
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
    <name>ResultsWindow</name>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>The games won, lost and tied by the human against each robot level, and between two humans by player 1. A game counts when it ends.</source>
        <translation>Les parties gagnées, perdues et nulles de l’humain contre chaque niveau de robot et, entre deux humains, celles du joueur 1. Une partie compte quand elle se termine.</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagnées</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdues</translation>
    </message>
    <message>
        <source>Tied</source>
        <translation>Nulles</translation>
    </message>
    <message>
        <source>Robot level %1</source>
        <translation>Robot de niveau %1</translation>
    </message>
    <message>
        <source>Two humans</source>
        <translation>Deux humains</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Remettre à zéro</translation>
    </message>
    <message>
        <source>Reset results?</source>
        <translation>Remettre les résultats à zéro&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to set all the results back to 0?</source>
        <translation>Voulez-vous vraiment remettre tous les résultats à 0&#xa0;?</translation>
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
