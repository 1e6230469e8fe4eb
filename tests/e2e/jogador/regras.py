"""The game's rules as a model of the table: the deal is known (the frozen
second's), so every move the scenarios make has a known outcome, and a small
search finds lines that win or lose.
"""

import copy

C1, C2, D1, D2 = 0, 1, 2, 3
PILES = (C1, C2, D1, D2)
NAMES = ("c1", "c2", "d1", "d2")
ASCENDING = (C1, C2)
SLOTS = 8


class Table:
    """Hand slots, deck and piles, changed by plays as the game changes them:
    the release that leaves six cards in the hand while the deck holds more
    deals two into the lowest free slots, before the end is judged."""

    def __init__(self, deck):
        assert sorted(deck) == list(range(1, 100)), "a deal holds 1..99 once each"
        self.deck = list(deck)
        self.drawn = 0
        self.slots = [0] * SLOTS
        self.piles = [[] for _ in PILES]
        self._deal(SLOTS)

    def after(self, value, pile, refill=True):
        """The table after that play, this one left as it is."""
        other = copy.copy(self)
        other.slots, other.piles = list(self.slots), [list(p) for p in self.piles]
        other.play(value, pile, refill)
        return other

    def _deal(self, n):
        for _ in range(n):
            if self.drawn >= len(self.deck) or 0 not in self.slots:
                return
            self.slots[self.slots.index(0)] = self.deck[self.drawn]
            self.drawn += 1

    def left_in_deck(self):
        return len(self.deck) - self.drawn

    def hand_count(self):
        return sum(1 for v in self.slots if v)

    def top(self, pile):
        return self.piles[pile][-1] if self.piles[pile] else None

    def slot_of(self, value):
        return self.slots.index(value)

    def can_play(self, value, pile):
        top = self.top(pile)
        if top is None:
            return True
        if pile in ASCENDING:
            return value > top or value == top - 10
        return value < top or value == top + 10

    def moves(self):
        return [(v, p) for v in self.slots if v for p in PILES if self.can_play(v, p)]

    def play(self, value, pile, refill=True):
        """Lays a card from the hand on a pile; returns the slot it left."""
        assert self.can_play(value, pile), (value, NAMES[pile])
        slot = self.slot_of(value)
        self.piles[pile].append(value)
        self.slots[slot] = 0
        if refill and self.refills():
            self._deal(2)
        return slot

    def refills(self):
        return self.hand_count() == 6 and self.left_in_deck() > 0

    def take_back(self, pile):
        """Undo: the top card of the pile goes to the lowest free slot, when there is one."""
        if 0 not in self.slots or not self.piles[pile]:
            return None
        value = self.piles[pile].pop()
        slot = self.slots.index(0)
        self.slots[slot] = value
        return slot

    def won(self):
        return self.left_in_deck() + self.hand_count() == 0

    def lost(self):
        return not self.won() and not self.moves()

    def key(self):
        # Piles of one kind are interchangeable for what can still happen.
        asc = sorted(self.top(p) or 0 for p in ASCENDING)
        desc = sorted(100 if self.top(p) is None else self.top(p) for p in (D1, D2))
        return (tuple(asc), tuple(desc), self.drawn, frozenset(v for v in self.slots if v))


def _gap(table, value, pile):
    """How much of the pile's room a play uses up; a play ten back gains room."""
    up = 1 if pile in ASCENDING else -1
    base = table.top(pile) or (0 if up > 0 else 100)
    return -10 if value == base - 10 * up else (value - base) * up


def find_win(deck, budget=300000):
    """A list of (value, pile) plays that empties deck and hand, or None:
    depth first, the plays that waste the least room first, never visiting a
    position twice."""
    seen = set()
    line = []
    nodes = [0]

    def search(table):
        if table.won():
            return True
        nodes[0] += 1
        if nodes[0] > budget:
            return False
        key = table.key()
        if key in seen:
            return False
        seen.add(key)
        for value, pile in sorted(table.moves(), key=lambda m: _gap(table, *m)):
            after = table.after(value, pile)
            line.append((value, pile))
            if search(after):
                return True
            line.pop()
        return False

    return list(line) if search(Table(deck)) else None


def _short_line(deck, goal, max_plays):
    """The shortest line of plays (up to max_plays) whose last play meets
    goal(before, value, pile, after): depth first, never visiting a position
    twice at one depth limit, the limit growing until a line is found."""
    for limit in range(1, max_plays + 1):
        seen = set()

        def search(table, line):
            key = table.key()
            if key in seen or table.lost():
                return None
            seen.add(key)
            for value, pile in table.moves():
                after = table.after(value, pile)
                if goal(table, value, pile, after):
                    return line + [(value, pile)]
                if len(line) + 1 < limit:
                    found = search(after, line + [(value, pile)])
                    if found is not None:
                        return found
            return None

        found = search(Table(deck), [])
        if found is not None:
            return found
    return None


def find_loss(deck, max_plays=8):
    """The shortest line after which no card of the hand fits any pile."""
    return _short_line(deck, lambda before, value, pile, after: after.lost(), max_plays)


def find_stuck_before_refill(deck, max_plays=8):
    """A line whose last play leaves six cards that fit nowhere, while the two
    cards dealt at that same release give the hand a move again: a game that
    judged the hand before dealing would call it lost."""
    def goal(before, value, pile, after):
        unfilled = before.after(value, pile, refill=False)
        return unfilled.refills() and not unfilled.moves() and bool(after.moves())

    return _short_line(deck, goal, max_plays)

