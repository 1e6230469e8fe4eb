"""Checks of the painted pictures in the build's imagens/, as a player meets them.

Run by ctest with TREVALIA_IMAGENS pointing at the build's imagens/ folder;
one test class per ctest entry, with tools/ on PYTHONPATH for the generator's
own modules. Sizes and loading through SFML are checked by the C++ test next
to this one.
"""

import hashlib
import os
import sys
import tempfile
import unittest

from PIL import Image, ImageChops, ImageStat

import arquivos
import botoes
import gerar_imagens
import lugares
import telas

IMAGENS = os.environ.get("TREVALIA_IMAGENS", "")

MIN_MARGIN = 3
PILE_PLACES = [lugares.pilha_c2, lugares.pilha_c1, lugares.pilha_d2, lugares.pilha_d1]
HAND_CENTRES = lugares.casas_mao


def picture(name, mode="RGB"):
    return Image.open(os.path.join(IMAGENS, name)).convert(mode)


def luminance(rgb):
    def lin(c):
        c = c / 255
        return c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4

    r, g, b = (lin(c) for c in rgb[:3])
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


def mean_diff(diff, points):
    values = [diff.getpixel(p) for p in points]
    return sum(values) / len(values), max(values)


def sides(box, inset):
    """The four sides of the rectangle's outline `inset` pixels inside it
    (negative: outside), each a list of pixels. Box edges: left and top
    included, right and bottom excluded."""
    l, t, r, b = box
    l, t, r, b = l + inset, t + inset, r - 1 - inset, b - 1 - inset
    return {
        "top": [(x, t) for x in range(l, r + 1)],
        "bottom": [(x, b) for x in range(l, r + 1)],
        "left": [(l, y) for y in range(t, b + 1)],
        "right": [(r, y) for y in range(t, b + 1)],
    }


class Buttons(unittest.TestCase):
    def test_every_button_lies_inside_its_rectangle_with_a_margin(self):
        for name, buttons in botoes.SCREEN_BUTTONS.items():
            for b in buttons:
                l, t, r, bo = b.rect
                bl, bt, br, bb = b.body
                margins = (bl - l, bt - t, r - br, bo - bb)
                self.assertGreaterEqual(
                    min(margins), MIN_MARGIN, "%s %s: margins %s" % (name, b.name, margins)
                )

    def test_pictures_show_the_buttons_where_the_table_says(self):
        # Compared with the same screen painted without its buttons: around
        # each rectangle's edge nothing is painted, along each button's edge
        # something clearly is.
        for name, buttons in botoes.SCREEN_BUTTONS.items():
            shown = picture(name)
            ground = telas.screen(name, buttons=False).img.convert("RGB")
            diff = ImageChops.difference(shown, ground).convert("L")
            for b in buttons:
                for inset in (-1, 1):
                    for side, points in sides(b.rect, inset).items():
                        mean, worst = mean_diff(diff, points)
                        where = "%s %s: paint at the rectangle's %s edge" % (name, b.name, side)
                        self.assertLess(mean, 4, where)
                        self.assertLess(worst, 32, where)
                for side, points in sides(b.body, 1).items():
                    mean, _ = mean_diff(diff, points)
                    self.assertGreater(
                        mean, 20, "%s %s: no button along its %s edge" % (name, b.name, side)
                    )

    def test_table_buttons_are_transparent_pictures_within_their_room(self):
        for name, b in botoes.HUD_BUTTONS.items():
            with Image.open(os.path.join(IMAGENS, name)) as raw:
                self.assertEqual(raw.format, "PNG", name)
                img = raw.convert("RGBA")
            w, h = img.size
            self.assertLessEqual((b.rect[0] + w, b.rect[1] + h), b.rect[2:], name)
            self.assertEqual(img.getpixel((0, 0))[3], 0, "%s: corners should be see-through" % name)
            self.assertEqual(img.getpixel((w - 1, h - 1))[3], 0, name)
            self.assertEqual(img.getpixel((w // 2, h // 2))[3], 255, name)
            self.assertEqual(
                img.getchannel("A").getbbox(), (0, 0, w, h), "%s: wasted clickable room" % name
            )

    def test_table_buttons_do_not_overlap_the_piles_or_each_other(self):
        boxes = []
        for name in ("desfazer.png", "botao_menu.png", "botao_dnv.png"):
            x, y = botoes.HUD_BUTTONS[name].rect[:2]
            w, h = picture(name, "RGBA").size
            boxes.append((x, y, x + w, y + h))
        boxes += [(x, y, x + 92, y + 126) for x, y in PILE_PLACES]
        for i, a in enumerate(boxes):
            for b in boxes[i + 1 :]:
                overlap = a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]
                self.assertFalse(overlap, "%s and %s overlap" % (a, b))


class Cards(unittest.TestCase):
    def faces(self, stem):
        return [picture("%s%d.jpg" % (stem, n)) for n in range(1, 100)]

    def test_every_card_is_different(self):
        for stem in ("cartaazul", "cartaroxa"):
            digests = {hashlib.sha1(face.tobytes()).hexdigest() for face in self.faces(stem)}
            self.assertEqual(len(digests), 99, stem)

    def test_hand_cards_are_blue_and_pile_cards_purple(self):
        for n in range(1, 100):
            face = picture("cartaazul%d.jpg" % n)
            r, g, b = face.getpixel((10, face.height // 2))
            self.assertGreater(b, r + 60, "cartaazul%d" % n)
            self.assertGreater(b, g + 30, "cartaazul%d" % n)
            face = picture("cartaroxa%d.jpg" % n)
            r, g, b = face.getpixel((12, face.height // 2))
            self.assertGreater(r, g + 40, "cartaroxa%d" % n)
            self.assertGreater(b, g + 60, "cartaroxa%d" % n)

    def test_numbers_are_big_and_light(self):
        # The white ink in the middle of the card (the corner indices lie
        # outside this box) must stand a good part of the card high.
        for stem in ("cartaazul", "cartaroxa"):
            for n in range(1, 100):
                face = picture("%s%d.jpg" % (stem, n))
                w, h = face.size
                middle = face.crop((w // 8, h // 4, w - w // 8, h - h // 4)).convert("L")
                ink = middle.point(lambda v: 255 if v > 225 else 0).getbbox()
                self.assertIsNotNone(ink, "%s%d: no number" % (stem, n))
                self.assertGreaterEqual(
                    ink[3] - ink[1], h * 0.26, "%s%d: number too small" % (stem, n)
                )

    def test_card_corners_blend_into_the_table(self):
        # JPEG has no transparency: outside its rounded corners a card shows
        # the table colour, which must be the table it lies on. JPEG itself
        # moves a corner pixel next to the card's edge by up to about 12.
        table = picture("fundo2.jpg")
        for stem, places in (
            ("cartaroxa", PILE_PLACES),
            ("cartaazul", [(x - 35, y - 48) for x, y in HAND_CENTRES]),
        ):
            for n in (1, 50, 99):
                face = picture("%s%d.jpg" % (stem, n))
                w, h = face.size
                for x, y in places:
                    for cx, cy in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
                        got = face.getpixel((cx, cy))
                        under = table.getpixel((x + cx, y + cy))
                        self.assertLess(
                            max(abs(a - b) for a, b in zip(got, under)), 16, (stem, n, x, y, cx, cy)
                        )
        for name in ("fundo0.jpg", "fundo100.jpg"):
            face = picture(name)
            for x, y in PILE_PLACES:
                got, under = face.getpixel((0, 0)), table.getpixel((x, y))
                self.assertLess(max(abs(a - b) for a, b in zip(got, under)), 16, (name, x, y))

    def test_empty_piles_differ_from_each_other_and_from_cards(self):
        up, down = picture("fundo0.jpg"), picture("fundo100.jpg")
        self.assertIsNotNone(ImageChops.difference(up, down).getbbox())
        # Darker than any purple card, so an empty pile never looks played on.
        lum = lambda img: sum(img.convert("L").getdata()) / (img.width * img.height)  # noqa: E731
        darkest_card = min(lum(picture("cartaroxa%d.jpg" % n)) for n in (1, 8, 88))
        self.assertLess(lum(up), darkest_card - 20)
        self.assertLess(lum(down), darkest_card - 20)


class Table(unittest.TestCase):
    def test_table_is_dark_and_calm(self):
        table = picture("fundo2.jpg").convert("L")
        self.assertLess(sum(table.getdata()) / (450 * 600), 60)

    def test_count_stands_out(self):
        # The count is drawn as hollow pure-blue digits at (100, 10), 20 px.
        table = picture("fundo2.jpg")
        for x in range(100, 132, 4):
            for y in range(14, 32, 4):
                self.assertGreater(contrast((0, 0, 255), table.getpixel((x, y))), 4.5, (x, y))

    def test_cards_stand_out_from_the_table(self):
        table = picture("fundo2.jpg")
        for stem, n in (("cartaazul", 50), ("cartaroxa", 50)):
            face = picture("%s%d.jpg" % (stem, n))
            edge = face.getpixel((8, face.height // 2))
            for x, y in PILE_PLACES:
                self.assertGreater(
                    contrast(edge, table.getpixel((x - 4, y + 60))), 2.0, (stem, x, y)
                )


class Generator(unittest.TestCase):
    def test_build_output_is_what_the_generator_paints(self):
        # Paints a sample again from scratch: the build's files must be the
        # same bytes, so the output is reproducible and up to date.
        sample = [
            "cartaazul6.jpg",
            "cartaroxa99.jpg",
            "fundo0.jpg",
            "fundo2.jpg",
            "menu.jpg",
            "tutorial6.jpg",
            "desfazer.png",
            "star.ttf",
            "cartaroxa99@2x.jpg",
            "tutorial6@2x.jpg",
            "desfazer@2x.png",
        ]
        with tempfile.TemporaryDirectory() as tmp:
            gerar_imagens.write(tmp, names=sample)
            for name in sample:
                with open(os.path.join(tmp, name), "rb") as fresh, open(
                    os.path.join(IMAGENS, name), "rb"
                ) as built:
                    self.assertEqual(fresh.read(), built.read(), name)

    def test_font_is_dejavu_sans_bold(self):
        with open(os.path.join(IMAGENS, "star.ttf"), "rb") as f, open(
            "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", "rb"
        ) as original:
            self.assertEqual(f.read(), original.read())

    def test_the_folder_holds_every_file_the_game_reads_and_no_other(self):
        self.assertEqual(set(os.listdir(IMAGENS)) - {".gerado"}, arquivos.every())

    def test_tutorial_pages_are_all_different(self):
        pages = range(1, arquivos.paginas + 1)
        digests = {
            hashlib.sha1(picture(arquivos.numbered(arquivos.pagina, k)).tobytes()).hexdigest()
            for k in pages
        }
        self.assertEqual(len(digests), len(pages))

    def test_every_picture_has_a_twin_twice_its_size_that_shows_the_same(self):
        # Painted again at twice the size: brought back down it is still the
        # same picture, give or take edges and JPEG noise.
        names = set(os.listdir(IMAGENS))
        self.assertNotIn("star@2x.ttf", names)
        for name in sorted(n for n in names if n.endswith((".jpg", ".png")) and "@2x" not in n):
            one, two = picture(name, "RGBA"), picture(arquivos.twice(name), "RGBA")
            self.assertEqual(two.size, (2 * one.width, 2 * one.height), name)
            small = two.resize(one.size, Image.Resampling.BOX)
            self.assertLess(max(ImageStat.Stat(ImageChops.difference(one, small)).mean), 12, name)

    def test_jpeg_names_hold_jpeg(self):
        for name in sorted(os.listdir(IMAGENS)):
            if name.endswith(".jpg"):
                with Image.open(os.path.join(IMAGENS, name)) as img:
                    self.assertEqual(img.format, "JPEG", name)


if __name__ == "__main__":
    if not os.path.isdir(IMAGENS):
        sys.exit("TREVALIA_IMAGENS must name the built imagens/ folder")
    unittest.main()
