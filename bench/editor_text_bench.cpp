// Loading and saving a large code table: the line rules and both directions
// of the codec, against a plain copy of the same bytes. Throughput is counted
// in file bytes for every step.

#include "editor/core/editor_text.h"
#include "tests/native/system_gbk.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <iconv.h>
#include <map>
#include <random>
#include <string>

#ifdef __GLIBC__
#include <malloc.h>
// Results of many megabytes would otherwise be fresh pages from mmap on every
// run, and the benchmark would time the kernel's page faults, not the code.
// The plain copy writes into a buffer made once; the steps under test get the
// same warm memory from a heap that keeps what it was given.
const bool steady_heap = [] {
  mallopt(M_MMAP_MAX, 0);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  return true;
}();
#endif

namespace {

// Common characters; the literal is compiled to GBK, two bytes each.
const std::string CHARACTER_POOL =
    "的一是在不了有和人这中大为上个国我以要他时来用们生到作地于出就分对成会可主发年动同工也能下过子说"
    "产种面而方后多定行学法所民得经十三之进着等部度家电力里如水化高自二理起小物现实加量都两体制机当使"
    "点从业本去把性好应开它合还因由其些然前外天政四日那社义事平形相全表间样与关各重新线内数正心反你明"
    "看原又么利比或但质气第向道命此变条只没结解问意建月公无系军很情者最立代想已通并提直题党程展五果料"
    "象员革位入常文总次品式活设及管特件长求老头基资边流路级少图山统接知较将组见计别她手角期根论运农指"
    "几九区强放决西被干做必战先回则任取据处队南给色光门即保治北造百规热领七海口东导器压志世金增争济阶"
    "油思术极交受联什认六共权收证改清己美再采转更单风切打白教速花带安场身车例真务具万每目至达走积示议"
    "声报斗完类八离华名确才科张信马节话米整空元况今集温传土许步群广石记需段研界拉林律叫且究观越织装影"
    "算低持音众书布复容儿须际商非验连断深难近矿千周委素技备半办青省列习响约支般史感劳便团往酸历市克何"
    "朔云汉字词组输入法码表短语";

// A user code table of about `size` bytes: lines "code 汉字词组" with a code of
// one to four letters and a phrase of one to four characters.
std::string code_table(size_t size) {
  std::mt19937 rng(1);
  const size_t characters = CHARACTER_POOL.size() / 2;
  std::string s;
  s.reserve(size + 32);
  while (s.size() < size) {
    for (unsigned i = 0, n = 1 + rng() % 4; i < n; ++i) s += char('a' + rng() % 25);
    s += ' ';
    for (unsigned i = 0, n = 1 + rng() % 4; i < n; ++i) s.append(CHARACTER_POOL, 2 * (rng() % characters), 2);
    s += "\r\n";
  }
  return s;
}

const std::string& table_of_mb(int64_t mb) {
  static std::map<int64_t, std::string> tables;
  std::string& table = tables[mb];
  if (table.empty()) table = code_table(size_t(mb) << 20);
  return table;
}

void set_bytes(benchmark::State& state, size_t bytes) {
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}

void memcpy_bench(benchmark::State& state) {
  const std::string& file = table_of_mb(state.range(0));
  std::string copy(file.size(), '\0');
  for (auto _ : state) {
    std::memcpy(&copy[0], file.data(), file.size());
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
  set_bytes(state, file.size());
}

void text_from_file_bytes_bench(benchmark::State& state) {
  const std::string& file = table_of_mb(state.range(0));
  for (auto _ : state) {
    sy::loaded_text loaded = sy::text_from_file_bytes(file);
    benchmark::DoNotOptimize(loaded.text.data());
  }
  set_bytes(state, file.size());
}

void decode_bench(benchmark::State& state) {
  const std::string& file = table_of_mb(state.range(0));
  const sy::gbk_codec& codec = sy_test::system_gbk_codec();
  for (auto _ : state) {
    std::u16string text = codec.decode(file);
    benchmark::DoNotOptimize(text.data());
  }
  set_bytes(state, file.size());
}

void encode_bench(benchmark::State& state) {
  const std::string& file = table_of_mb(state.range(0));
  const sy::gbk_codec& codec = sy_test::system_gbk_codec();
  const std::u16string text = codec.decode(file);
  for (auto _ : state) {
    sy::gbk_codec::encode_result result = codec.encode(text);
    benchmark::DoNotOptimize(result.bytes.data());
  }
  set_bytes(state, file.size());
}

// For scale: the C library's own conversion of the same file.
void iconv_decode_bench(benchmark::State& state) {
  const std::string& file = table_of_mb(state.range(0));
  const iconv_t cd = iconv_open("UTF-16LE", "GBK");
  std::string out(file.size() * 2, '\0');
  for (auto _ : state) {
    char* in = const_cast<char*>(file.data());
    char* o = &out[0];
    size_t in_left = file.size(), out_left = out.size();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    iconv(cd, &in, &in_left, &o, &out_left);
    benchmark::DoNotOptimize(out.data());
  }
  iconv_close(cd);
  set_bytes(state, file.size());
}

void build_codec_bench(benchmark::State& state) {
  for (auto _ : state) {
    sy::gbk_codec codec = sy::gbk_codec::build(sy_test::system_decode_pair, sy_test::system_encode_char);
    benchmark::DoNotOptimize(&codec);
  }
}

}  // namespace

#define SY_FILE_SIZES Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond)
BENCHMARK(memcpy_bench)->SY_FILE_SIZES;
BENCHMARK(text_from_file_bytes_bench)->SY_FILE_SIZES;
BENCHMARK(decode_bench)->SY_FILE_SIZES;
BENCHMARK(encode_bench)->SY_FILE_SIZES;
BENCHMARK(iconv_decode_bench)->SY_FILE_SIZES;
BENCHMARK(build_codec_bench)->Unit(benchmark::kMillisecond);
