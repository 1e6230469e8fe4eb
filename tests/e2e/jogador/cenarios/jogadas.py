"""Play and undo: cards dragged onto piles that take or refuse them, the count,
undo, the hand refilled, the menu in the middle of a game and play again.
"""

from jogador import figuras, pontos, regras
from jogador.cenarios import scenario
from jogador.preparos import button_centre, check, first_play, play_first, play_seen, playing


@scenario
def jogada_valida(ctx):
    """A card dragged onto a pile that takes it lies there and leaves its slot empty."""
    with playing(ctx) as (game, table):
        count_before = game.count_region()
        value, pile = first_play(table)
        slot = play_seen(game, table, value, pile, undo=True)
        check(table.slots[slot] == 0, "the model kept the card")
        check(figuras.difference(game.count_region(), count_before) > figuras.SAME,
              "the count did not change after a play")
        # A second card, higher, onto the same ascending pile: it now shows that card.
        higher = min(v for v in table.slots if v and v > value)
        play_seen(game, table, higher, pile)


@scenario
def jogada_recusada(ctx):
    """A card that a pile refuses, or that lands on no pile, goes back to its slot."""
    with playing(ctx) as (game, table):
        # A high card on an ascending pile, so that a lower one is refused there.
        value = max(table.slots)
        play_seen(game, table, value, regras.C1, undo=True)
        count_after_play = game.count_region()
        refused = next(v for v in table.slots if v and not table.can_play(v, regras.C1))
        slot = table.slot_of(refused)
        home = pontos.slot_centre(slot)
        game.drag(home, pontos.pile_centre(regras.C1))
        game.wait_table(table, undo=True, what="%d back in slot %d after c1 refused it"
                        % (refused, slot))
        # Onto the bare table, away from every pile.
        game.drag(home, (30, 210))
        game.wait_table(table, undo=True, what="%d back after a drop on the table" % refused)
        # On the right edge of an empty pile, which lies just outside it.
        left, top, right, bottom = pontos.pile_box(regras.D1)
        game.drag(home, (right, (top + bottom) // 2))
        game.wait_table(table, undo=True, what="%d back after a drop on d1's right edge"
                        % refused)
        # Flicked out of the window: pressed, one move outside and released
        # there. The card is home, not left to follow the pointer back in and
        # be played by the next click.
        game.drag(home, (-80, 400))
        game.click(*pontos.pile_centre(regras.D1))
        game.wait_table(table, undo=True, what="%d back after a release outside the window"
                        % refused)
        # Held over the hand, the card is drawn above the cards there, even
        # those of the slots drawn after its own.
        held = [s for s in range(regras.SLOTS) if table.slots[s]]
        low, over = held[0], pontos.slot_centre(held[-1])
        game.move(*pontos.slot_centre(low), settle=False)
        game.press()
        game.move(*over)
        game.wait_card_at(table.slots[low], over, "slot %d's card above slot %d's"
                          % (low, held[-1]))
        game.release()
        game.wait_table(table, undo=True, what="slot %d's card back after a drop on the hand"
                        % low)
        # Held over a pile, the card's rounded corners show the pile's card,
        # not the table's colour that its picture holds there.
        over = pontos.pile_centre(regras.C1)
        left, top, right, bottom = pontos.card_box(*over)
        pile_face = figuras.pile_card(regras.C1, value), pontos.PILE_AT[regras.C1]
        looks = [((x, y, x + 2, y + 2), pile_face) for x in (left, right - 2)
                 for y in (top, bottom - 2)]
        looks.append(((left + 7, top + 7, right - 7, bottom - 7),
                      (figuras.hand_card(refused), (left, top))))
        game.move(*home, settle=False)
        game.press()
        game.move(*over)
        game.wait_for("the held card's corners showing c1", lambda shot: None if max(
            game.unlike(shot, *look) for look in looks) < figuras.SAME else "another picture")
        game.release()
        check(figuras.difference(game.count_region(), count_after_play) < figuras.SAME,
              "the count changed although no card was played")


@scenario
def arrasto_da_pilha(ctx):
    """A press on a pile where a card was just played picks nothing up, so the
    card that drag ends on is still the one a press there takes."""
    with playing(ctx) as (game, table):
        value = table.slots[0]
        play_seen(game, table, value, regras.D1, undo=True)
        game.drag(pontos.pile_centre(regras.D1), pontos.slot_centre(1))
        game.wait_table(table, undo=True, what="nothing moved by a drag from d1")
        play_seen(game, table, table.slots[1], regras.C1, what="slot 1's card on c1")


@scenario
def desfazer(ctx):
    """Undo takes the last card back: the pile shows what it showed before."""
    with playing(ctx) as (game, table):
        count_start = game.count_region()
        undo = button_centre(game, "desfazer.png", pontos.UNDO_AT)

        # The first card on a pile: the pile shows its base picture again.
        value = table.slots[0]
        play_seen(game, table, value, regras.D1, undo=True)
        game.click(*undo)
        table.take_back(regras.D1)
        game.wait_table(table, undo=False, what="d1 empty again after the undo")
        check(figuras.difference(game.count_region(), count_start) < figuras.SAME,
              "the count is not back to where it started after the undo")
        # Where the button was, a press now does nothing.
        game.click(*undo)
        game.wait_table(table, undo=False, what="nothing changed by a press on the hidden button")

        # Two plays refill the hand; then a card laid on another: undo shows
        # the one beneath again and brings the card back to its slot.
        first = table.slots[1]
        game.play(table, first, regras.C1)
        second = next(v for v in table.slots if v and table.can_play(v, regras.D2))
        game.play(table, second, regras.D2)
        game.wait_table(table, undo=False, what="the hand refilled")
        third = next(v for v in table.slots if v and table.can_play(v, regras.C1))
        slot = play_seen(game, table, third, regras.C1, undo=True,
                         what="%d on %d on c1" % (third, first))
        game.click(*undo)
        table.take_back(regras.C1)
        check(table.slots[slot] == third, "the model put the card elsewhere")
        game.wait_table(table, undo=False, what="c1 showing %d again after the undo" % first)


@scenario
def reposicao(ctx):
    """Two plays from a full hand deal two new cards and take the undo away."""
    with playing(ctx) as (game, table):
        deck_next = ctx.deck[8:10]
        a, b = table.slots[3], table.slots[5]
        play_seen(game, table, a, regras.C1 if a < b else regras.D1, undo=True,
                  what="the first card played")
        game.play(table, b, regras.D1 if a < b else regras.C1)
        check(table.slots[3] == deck_next[0] and table.slots[5] == deck_next[1],
              "the model dealt elsewhere")
        game.wait_table(table, undo=False, what="slots 3 and 5 refilled with %r" % deck_next)
        # The second card cannot be taken back.
        game.click(*button_centre(game, "desfazer.png", pontos.UNDO_AT))
        game.wait_table(table, undo=False, what="no undo after the refill")


@scenario
def menu_durante_o_jogo(ctx):
    """Escape, or the menu button, shows the menu; play there goes on with the same deal."""
    with playing(ctx, first_card=True) as (game, table):
        game.key("Escape")
        game.wait_screen("menu.jpg")
        game.click(*pontos.MENU_PLAY)
        game.wait_table(table, undo=True, what="the same game after Escape and play")

        game.click(*button_centre(game, "botao_menu.png", pontos.MENU_BUTTON_AT))
        game.wait_screen("menu.jpg")
        game.click(*pontos.MENU_PLAY)
        game.wait_table(table, undo=True, what="the same game after the menu button and play")
        # And the game goes on from there.
        other = next(v for v in table.slots if v and table.can_play(v, regras.D1))
        play_seen(game, table, other, regras.D1, undo=False,
                  what="the next play after the menu")


@scenario
def jogar_novamente(ctx):
    """The play-again button deals anew: bare piles, the opening hand, the full count."""
    with playing(ctx) as (game, table):
        count_start = game.count_region()
        opening = list(table.slots)
        for value, pile in regras.find_win(ctx.deck)[:3]:
            game.play(table, value, pile)
        game.wait_table(table, undo=True, what="three cards played")
        game.click(*button_centre(game, "botao_dnv.png", pontos.AGAIN_BUTTON_AT))
        # The clock is frozen, so the new deal is the same as the first.
        table = game.wait_deal(ctx.deck, "a new deal")
        check(table.slots == opening, "the model dealt another hand")
        check(figuras.difference(game.count_region(), count_start) < figuras.SAME,
              "the count is not back to its starting value")
        play_first(game, table, "the first play of the new deal")
