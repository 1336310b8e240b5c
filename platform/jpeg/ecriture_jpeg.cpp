#include "platform/jpeg/ecriture_jpeg.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <memory>

// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace {

// As for decoding: everything libjpeg touches lives in this plain record, and the function that
// calls setjmp holds nothing but a pointer to it.
// The bytes go to a buffer of our own, grown with realloc: whatever happens, the record knows the
// one block to free.
struct TencodageJpeg {
    jpeg_error_mgr erreurs;  // first, so that libjpeg's pointer to it leads back to the record
    jpeg_compress_struct info;
    jpeg_destination_mgr destination;
    std::jmp_buf retour;
    JOCTET* octets;
    std::size_t capacite;
    std::size_t taille;
};

TencodageJpeg& encodage(j_compress_ptr info) { return *reinterpret_cast<TencodageJpeg*>(info->err); }

[[noreturn]] void abandonner(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<TencodageJpeg*>(info->err)->retour, 1);
}

void taireMessage(j_common_ptr) {}

constexpr std::size_t capaciteInitiale = 1 << 16;

// Makes the buffer `capacite` bytes long and hands libjpeg the part after the first `utilises`.
void agrandir(j_compress_ptr info, std::size_t capacite, std::size_t utilises)
{
    TencodageJpeg& e = encodage(info);
    auto* octets = static_cast<JOCTET*>(std::realloc(e.octets, capacite));
    if (!octets) abandonner(reinterpret_cast<j_common_ptr>(info));
    e.octets = octets;
    e.capacite = capacite;
    e.destination.next_output_byte = octets + utilises;
    e.destination.free_in_buffer = capacite - utilises;
}

void commencerSortie(j_compress_ptr info) { agrandir(info, capaciteInitiale, 0); }

// Called when the buffer is full.
boolean prolongerSortie(j_compress_ptr info)
{
    const std::size_t capacite = encodage(info).capacite;
    agrandir(info, capacite * 2, capacite);
    return TRUE;
}

void terminerSortie(j_compress_ptr info)
{
    TencodageJpeg& e = encodage(info);
    e.taille = e.capacite - e.destination.free_in_buffer;
}

bool encoder(TencodageJpeg* e, const TimageRvb& image, int qualite)
{
    e->info.err = jpeg_std_error(&e->erreurs);
    e->erreurs.error_exit = abandonner;
    e->erreurs.output_message = taireMessage;
    if (setjmp(e->retour)) return false;
    jpeg_create_compress(&e->info);
    e->destination.init_destination = commencerSortie;
    e->destination.empty_output_buffer = prolongerSortie;
    e->destination.term_destination = terminerSortie;
    e->info.dest = &e->destination;
    e->info.image_width = static_cast<JDIMENSION>(image.largeur);
    e->info.image_height = static_cast<JDIMENSION>(image.hauteur);
    e->info.input_components = 3;
    e->info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&e->info);
    jpeg_set_quality(&e->info, std::clamp(qualite, 1, 100), TRUE);
    for (int c = 0; c < e->info.num_components; ++c) {
        e->info.comp_info[c].h_samp_factor = 1;
        e->info.comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(&e->info, TRUE);
    const std::size_t pasLigne = static_cast<std::size_t>(image.largeur) * 3;
    while (e->info.next_scanline < e->info.image_height) {
        // libjpeg reads the rows without writing them.
        JSAMPROW ligne = const_cast<JSAMPROW>(image.pixels.data() + pasLigne * e->info.next_scanline);
        jpeg_write_scanlines(&e->info, &ligne, 1);
    }
    jpeg_finish_compress(&e->info);
    return true;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> encoderJpeg(const TimageRvb& image, int qualite)
{
    if (image.largeur <= 0 || image.hauteur <= 0 || image.largeur > JPEG_MAX_DIMENSION ||
        image.hauteur > JPEG_MAX_DIMENSION ||
        image.pixels.size() != static_cast<std::size_t>(image.largeur) * image.hauteur * 3)
        return std::nullopt;
    TencodageJpeg e{};
    std::optional<std::vector<std::uint8_t>> octets;
    if (encoder(&e, image, qualite)) octets.emplace(e.octets, e.octets + e.taille);
    // Safe in every state: the record started zeroed.
    jpeg_destroy_compress(&e.info);
    std::free(e.octets);
    return octets;
}

bool ecrireJpeg(const std::string& chemin, const TimageRvb& image, int qualite)
{
    const std::optional<std::vector<std::uint8_t>> octets = encoderJpeg(image, qualite);
    if (!octets) return false;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> fichier(std::fopen(chemin.c_str(), "wb"),
                                                                  std::fclose);
    if (!fichier) return false;
    const bool ecrit = std::fwrite(octets->data(), 1, octets->size(), fichier.get()) == octets->size();
    return ecrit && std::fflush(fichier.get()) == 0;
}
