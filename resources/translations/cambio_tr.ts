<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en">
<context>
    <name>Cambio</name>
    <message>
        <source>Updating…</source>
        <translation>Güncelleniyor…</translation>
    </message>
    <message>
        <source>Updated %@</source>
        <translation>Güncellendi: %@</translation>
    </message>
    <message>
        <source>LocationChangedAlertMessage</source>
        <translation>%@ ana para biriminiz olsun mu?</translation>
    </message>
    <message>
        <source>LocationChangedAlertInformativeText</source>
        <translation>Bilgisayarınız şimdi başka bir ülkede görünüyor. Cambio bu ülkenin para birimini en üst satırda gösterebilir.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Değiştir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>SharingFullTitle</source>
        <translation>Cambio – masaüstünüz için döviz çevirici</translation>
    </message>
    <message>
        <source>Currencies</source>
        <translation>Para Birimleri</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Refresh Rates</source>
        <translation>Kurları Yenile</translation>
    </message>
    <message>
        <source>Reset Amounts</source>
        <translation>Tutarları Sıfırla</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Küçült</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Büyüt</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Tümünü Kopyala</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Yapıştır</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Tercihler…</translation>
    </message>
    <message>
        <source>Send Feedback…</source>
        <translation>Geri Bildirim Gönder…</translation>
    </message>
    <message>
        <source>About Cambio</source>
        <translation>Cambio Hakkında</translation>
    </message>
    <message>
        <source>Quit Cambio</source>
        <translation>Cambio’dan Çık</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Sürüm %@</translation>
    </message>
    <message>
        <source>Rates of %@</source>
        <translation>Kurlar: %@</translation>
    </message>
    <message>
        <source>Rates not updated</source>
        <translation>Kurlar güncellenmedi</translation>
    </message>
    <message>
        <source>The main currency could not be changed.</source>
        <translation>Ana para birimi değiştirilemedi.</translation>
    </message>
    <message>
        <source>cannot update the rates from %1: %2</source>
        <translation>kurlar %1 adresinden güncellenemiyor: %2</translation>
    </message>
    <message>
        <source>the new rates could not be stored in %@</source>
        <translation>yeni kurlar %@ içine kaydedilemedi</translation>
    </message>
    <message>
        <source>the answer is not JSON: %@</source>
        <translation>yanıt JSON değil: %@</translation>
    </message>
    <message>
        <source>the answer is not a JSON object of rates</source>
        <translation>yanıt, kurlardan oluşan bir JSON nesnesi değil</translation>
    </message>
    <message>
        <source>the answer holds no usable rate</source>
        <translation>yanıtta kullanılabilir kur yok</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>bağlantı reddedildi</translation>
    </message>
    <message>
        <source>a module cannot be loaded: %@</source>
        <translation>bir modül yüklenemiyor: %@</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG resimleri (*.png)</translation>
    </message>
    <message>
        <source>host %@ not found</source>
        <translation>%@ sunucusu bulunamadı</translation>
    </message>
    <message>
        <source>connection closed before the whole response arrived</source>
        <translation>yanıtın tamamı gelmeden bağlantı kapandı</translation>
    </message>
    <message>
        <source>not an HTTP address: %@</source>
        <translation>HTTP adresi değil: %@</translation>
    </message>
    <message>
        <source>not an HTTP address</source>
        <translation>HTTP adresi değil</translation>
    </message>
    <message>
        <source>response larger than %@</source>
        <translation>yanıt %@ boyutundan büyük</translation>
    </message>
    <message>
        <source>timed out after %@ s</source>
        <translation>%@ sn sonra zaman aşımı</translation>
    </message>
    <message>
        <source>HTTP %@</source>
        <translation>HTTP %@</translation>
    </message>
    <message>
        <source>cannot write %@</source>
        <translation>%@ yazılamıyor</translation>
    </message>
    <message>
        <source>another program kept %@ locked</source>
        <translation>başka bir program %@ kilidini tuttu</translation>
    </message>
    <message>
        <source>cannot lock %@</source>
        <translation>%@ kilitlenemiyor</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>normal bir dosya değil</translation>
    </message>
    <message>
        <source>larger than 1 MiB</source>
        <translation>1 MiB’tan büyük</translation>
    </message>
    <message>
        <source>ignoring the settings in %@</source>
        <translation>%@ içindeki ayarlar yok sayılıyor</translation>
    </message>
    <message>
        <source>unknown currency: %@</source>
        <translation>bilinmeyen para birimi: %@</translation>
    </message>
    <message>
        <source>already visible: %@</source>
        <translation>zaten görünür: %@</translation>
    </message>
    <message>
        <source>not a visible currency: %@</source>
        <translation>görünür bir para birimi değil: %@</translation>
    </message>
    <message>
        <source>%@ (fixed)</source>
        <translation>%@ (sabit)</translation>
    </message>
    <message>
        <source>Follows location: %@</source>
        <translation>Konumu izler: %@</translation>
    </message>
    <message>
        <source>Add Currency</source>
        <translation>Para Birimi Ekle</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Available Currencies</source>
        <translation>Kullanılabilir Para Birimleri</translation>
    </message>
    <message>
        <source>CAMBIO_RATES_URL names this server for this session.</source>
        <translation>CAMBIO_RATES_URL bu oturum için bu sunucuyu belirler.</translation>
    </message>
    <message>
        <source>Cambio and cambio-cli ask this server for new rates. Leave it empty for the server of this computer.</source>
        <translation>Cambio ve cambio-cli yeni kurları bu sunucudan ister. Bu bilgisayarın sunucusu için boş bırakın.</translation>
    </message>
    <message>
        <source>Change Main Currency</source>
        <translation>Ana Para Birimini Değiştir</translation>
    </message>
    <message>
        <source>Change Number Format</source>
        <translation>Sayı Biçimini Değiştir</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Değiştir…</translation>
    </message>
    <message>
        <source>Choose a currency to add to the converter.</source>
        <translation>Çeviriciye eklenecek bir para birimi seçin.</translation>
    </message>
    <message>
        <source>Choose how amounts are written.</source>
        <translation>Tutarların nasıl yazılacağını seçin.</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Seç</translation>
    </message>
    <message>
        <source>Drag a currency, or press Alt+Up or Alt+Down, to change the order.</source>
        <translation>Sırayı değiştirmek için bir para birimini sürükleyin veya Alt+Yukarı ya da Alt+Aşağı tuşuna basın.</translation>
    </message>
    <message>
        <source>Follow Location</source>
        <translation>Konumu İzle</translation>
    </message>
    <message>
        <source>Follow the computer’s location</source>
        <translation>Bilgisayarın konumunu izle</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Genel</translation>
    </message>
    <message>
        <source>Main Currency</source>
        <translation>Ana Para Birimi</translation>
    </message>
    <message>
        <source>Main currency:</source>
        <translation>Ana para birimi:</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Aşağı Taşı</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Yukarı Taşı</translation>
    </message>
    <message>
        <source>Number Format</source>
        <translation>Sayı Biçimi</translation>
    </message>
    <message>
        <source>Number Formats</source>
        <translation>Sayı Biçimleri</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>Sayı biçimi:</translation>
    </message>
    <message>
        <source>Amounts look like %@</source>
        <translation>Tutarlar şöyle görünür: %@</translation>
    </message>
    <message>
        <source>Panes</source>
        <translation>Bölmeler</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Tercihler</translation>
    </message>
    <message>
        <source>Rates Server</source>
        <translation>Kur Sunucusu</translation>
    </message>
    <message>
        <source>Rates server:</source>
        <translation>Kur sunucusu:</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>Kurlar</translation>
    </message>
    <message>
        <source>Rates:</source>
        <translation>Kurlar:</translation>
    </message>
    <message>
        <source>Refresh Now</source>
        <translation>Şimdi Yenile</translation>
    </message>
    <message>
        <source>Remove Currency</source>
        <translation>Para Birimini Kaldır</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Varsayılanları Geri Yükle</translation>
    </message>
    <message>
        <source>Search Currencies</source>
        <translation>Para Birimlerinde Ara</translation>
    </message>
    <message>
        <source>Search Number Formats</source>
        <translation>Sayı Biçimlerinde Ara</translation>
    </message>
    <message>
        <source>Search by code or name</source>
        <translation>Koda veya ada göre ara</translation>
    </message>
    <message>
        <source>Search by language or region</source>
        <translation>Dile veya bölgeye göre ara</translation>
    </message>
    <message>
        <source>System (%@)</source>
        <translation>Sistem (%@)</translation>
    </message>
    <message>
        <source>The change could not be saved: %@</source>
        <translation>Değişiklik kaydedilemedi: %@</translation>
    </message>
    <message>
        <source>The converter shows these currencies under the main one, in this order.</source>
        <translation>Çevirici bu para birimlerini ana para biriminin altında, bu sırayla gösterir.</translation>
    </message>
    <message>
        <source>The main currency stands at the top of the converter.</source>
        <translation>Ana para birimi çeviricinin en üstünde durur.</translation>
    </message>
    <message>
        <source>Visible Currencies</source>
        <translation>Görünen Para Birimleri</translation>
    </message>
    <message>
        <source>When the computer is in another country, Cambio offers to make that country’s currency the main one.</source>
        <translation>Bilgisayar başka bir ülkedeyken Cambio, o ülkenin para birimini ana para birimi yapmayı önerir.</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Gönder</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Geri Bildirim Gönder</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-posta</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>İleti</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Ad:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-posta:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>İleti:</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Gerekli</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>İsteğe bağlı</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>Gönderiliyor…</translation>
    </message>
    <message>
        <source>Please enter your e-mail address.</source>
        <translation>Lütfen e-posta adresinizi girin.</translation>
    </message>
    <message>
        <source>This e-mail address is not complete.</source>
        <translation>Bu e-posta adresi eksik.</translation>
    </message>
    <message>
        <source>Please write a message.</source>
        <translation>Lütfen bir ileti yazın.</translation>
    </message>
    <message>
        <source>Your message could not be saved: %@</source>
        <translation>İletiniz kaydedilemedi: %@</translation>
    </message>
    <message>
        <source>Thank you for your feedback.</source>
        <translation>Geri bildiriminiz için teşekkürler.</translation>
    </message>
    <message>
        <source>Your feedback could not be sent.</source>
        <translation>Geri bildiriminiz gönderilemedi.</translation>
    </message>
    <message>
        <source>It has been sent.</source>
        <translation>Gönderildi.</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>Raporu Gönder</translation>
    </message>
    <message>
        <source>Don&apos;t Send</source>
        <translation>Gönderme</translation>
    </message>
    <message>
        <source>Always Send</source>
        <translation>Her Zaman Gönder</translation>
    </message>
    <message>
        <source>The crash report could not be sent.</source>
        <translation>Çökme raporu gönderilemedi.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Paylaş</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Paylaşım</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Panoya Kopyala</translation>
    </message>
    <message>
        <source>Save Picture…</source>
        <translation>Resmi Kaydet…</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Resmi Kaydet</translation>
    </message>
    <message>
        <source>The picture could not be saved as %@.</source>
        <translation>Resim %@ olarak kaydedilemedi.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-posta</translation>
    </message>
    <message>
        <source>The e-mail could not be prepared.</source>
        <translation>E-posta hazırlanamadı.</translation>
    </message>
    <message>
        <source>The mail program could not be opened.</source>
        <translation>E-posta programı açılamadı.</translation>
    </message>
    <message>
        <source>FeedbackIntroduction</source>
        <translation>Neyi sevdiğinizi, neyin eksik olduğunu veya neyin ters gittiğini bize anlatın.</translation>
    </message>
    <message>
        <source>FeedbackKeptInformativeText</source>
        <translation>İletiniz %@ klasöründe saklanıyor.</translation>
    </message>
    <message>
        <source>FeedbackNotSentInformativeText</source>
        <translation>İletiniz %@ içine kaydedildi. Nedeni:</translation>
    </message>
    <message>
        <source>CrashReportAlertMessage</source>
        <translation>Cambio son çalıştığında beklenmedik biçimde kapandı.</translation>
    </message>
    <message>
        <source>CrashReportAlertInformativeText</source>
        <translation>Bununla ilgili bir raporu %@ adresine göndermek ister misiniz? Rapor, program durduğunda ne yaptığını anlatır; yazdığınız hiçbir şeyi içermez.</translation>
    </message>
    <message>
        <source>CrashReportKeptInformativeText</source>
        <translation>Olanlarla ilgili bir rapor bu bilgisayarda, %@ klasöründe saklanıyor. Hiçbir yere gönderilmez: raporların gönderileceği bir adres ayarlanmamış.</translation>
    </message>
    <message>
        <source>CrashReportNotSentInformativeText</source>
        <translation>%@ içinde kalır ve bir sonraki başlatmada yeniden önerilir. Nedeni:</translation>
    </message>
    <message>
        <source>AboutDataLicences</source>
        <translation>Cambio ile gelen kurlar fawazahmed0/exchange-api döviz API’sinden alınmıştır (CC0 1.0). Ülke sınırları country-coder’dan alınmıştır (ISC lisansı, bkz. “%@”). Bayraklar Debian’ın iso-flags-svg paketindendir (kamu malı); Bitcoin, Karayip guldeni ve Zimbabve Altını bayrakları Cambio’nun kendisine aittir.</translation>
    </message>
    <message>
        <source>FeedbackDestinationComputer</source>
        <translation>İletiniz bu bilgisayarda, %@ klasöründe saklanacak. Hiçbir yere gönderilmez: geri bildirimin gönderileceği bir adres ayarlanmamış.</translation>
    </message>
    <message>
        <source>FeedbackDestinationAddress</source>
        <translation>İletiniz %@ adresine gönderilecek ve bir kopyası bu bilgisayarda saklanacak.</translation>
    </message>
    <message>
        <source>There is no amount to paste.</source>
        <translation>Yapıştırılacak tutar yok.</translation>
    </message>
    <message>
        <source>Only one amount can be pasted at a time.</source>
        <translation>Bir seferde yalnızca bir tutar yapıştırılabilir.</translation>
    </message>
    <message>
        <source>“%@” is not an amount.</source>
        <translation>“%@” bir tutar değil.</translation>
    </message>
    <message>
        <source>Amounts have at most %@ digits before the decimal separator.</source>
        <translation>Tutarlar ondalık ayırıcıdan önce en fazla %@ basamak içerir.</translation>
    </message>
    <message>
        <source>“%@” stands for more than one currency here.</source>
        <translation>“%@” burada birden fazla para birimini gösteriyor.</translation>
    </message>
    <message>
        <source>“%@” names more than one currency.</source>
        <translation>“%@” birden fazla para birimini adlandırıyor.</translation>
    </message>
    <message>
        <source>%@ is not among the currencies shown.</source>
        <translation>%@ gösterilen para birimleri arasında değil.</translation>
    </message>
    <message>
        <source>CrashReportNotPutAsideInformativeText</source>
        <translation>Yeni raporlarla birlikte %@ içinde kalır ve bir sonraki başlatmada yeniden önerilir. Nedeni:</translation>
    </message>
    <message>
        <source>FeedbackNotMovedInformativeText</source>
        <translation>Henüz gönderilmemiş iletilerle birlikte %@ içinde kalır. Nedeni:</translation>
    </message>
    <message>
        <source>The crash report could not be put aside.</source>
        <translation>Çökme raporu bir kenara alınamadı.</translation>
    </message>
    <message>
        <source>cannot make the folder %@</source>
        <translation>%@ klasörü oluşturulamıyor</translation>
    </message>
    <message>
        <source>Rates are %@ old</source>
        <translation>Kurlar %@ önceye ait</translation>
    </message>
    <message>
        <source>rates of %@</source>
        <translation>%@ tarihli kurlar</translation>
    </message>
    <message>
        <source>redirect to %@ refused</source>
        <translation>%@ adresine yönlendirme reddedildi</translation>
    </message>
    <message>
        <source>a redirect loop</source>
        <translation>yönlendirme döngüsü</translation>
    </message>
    <message>
        <source>it leaves HTTPS</source>
        <translation>HTTPS dışına çıkıyor</translation>
    </message>
    <message>
        <source>more than %@ redirects</source>
        <translation>%@ yönlendirmeden fazla</translation>
    </message>
    <message>
        <source>HTTP %@ without a target</source>
        <translation>hedefi olmayan HTTP %@</translation>
    </message>
    <message>
        <source>the answer's compression is damaged or would inflate beyond any limit</source>
        <translation>yanıtın sıkıştırması bozuk ya da açıldığında her sınırı aşacak</translation>
    </message>
    <message>
        <source>TLS handshake failed: %@</source>
        <translation>TLS el sıkışması başarısız: %@</translation>
    </message>
    <message>
        <source>Usage: %@</source>
        <translation>Kullanım: %@</translation>
    </message>
    <message>
        <source>Converts amounts with Cambio's rates and changes the currencies the converter shows. Amounts are read and written in the current locale; currency codes in any case.</source>
        <translation>Tutarları Cambio’nun kurlarıyla dönüştürür ve dönüştürücünün gösterdiği para birimlerini değiştirir. Tutarlar geçerli yerel ayarda okunur ve yazılır; para birimi kodları büyük ya da küçük harfle yazılabilir.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Komutlar:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Seçenekler:</translation>
    </message>
    <message>
        <source>AMOUNT in FROM converted into each TO, or into every row of the converter</source>
        <translation>FROM cinsinden AMOUNT, her TO’ya ya da dönüştürücünün her satırına dönüştürülmüş olarak</translation>
    </message>
    <message>
        <source>the conversions that the desktop's search shows for TEXT, such as “100 usd in eur” or “5 usd + 2 gbp in eur, jpy”</source>
        <translation>masaüstü aramasının TEXT için gösterdiği dönüşümler; örneğin “100 usd in eur” ya da “5 usd + 2 gbp in eur, jpy”</translation>
    </message>
    <message>
        <source>the copied summary of every row for AMOUNT in FROM (the main currency when FROM is not given)</source>
        <translation>FROM cinsinden AMOUNT için tüm satırların kopyalanan özeti (FROM yoksa ana para biriminde)</translation>
    </message>
    <message>
        <source>every currency of the rates with its name; --available: only those not shown yet; --filter: only those that TEXT finds</source>
        <translation>kurlardaki tüm para birimleri ve adları; --available: yalnızca henüz gösterilmeyenler; --filter: yalnızca TEXT’in bulduğu birimler</translation>
    </message>
    <message>
        <source>the currencies the converter shows, after the change if one is given</source>
        <translation>dönüştürücünün gösterdiği para birimleri, verildiyse değişiklikten sonra</translation>
    </message>
    <message>
        <source>the main currency, after fixing it to CODE or letting it follow the computer's country</source>
        <translation>CODE’a sabitlendikten ya da bilgisayarın ülkesini izlemeye bırakıldıktan sonra ana para birimi</translation>
    </message>
    <message>
        <source>fetches the latest rates from the rates server</source>
        <translation>en yeni kurları kur sunucusundan alır</translation>
    </message>
    <message>
        <source>the date of the rates, then each currency's rates from and to the US dollar; their age goes to stderr</source>
        <translation>kurların tarihi, ardından her para biriminin ABD dolarından ve ABD dolarına kurları; yaşları stderr’e yazılır</translation>
    </message>
    <message>
        <source>use the locale ID for amounts (for example de_DE, or ar_EG@numbers=latn for the digits 0 to 9) instead of the current one</source>
        <translation>tutarlar için geçerli yerel ayar yerine ID yerel ayarını kullan (örneğin de_DE ya da 0–9 rakamları için ar_EG@numbers=latn)</translation>
    </message>
    <message>
        <source>no warning on stderr that the rates are old</source>
        <translation>kurların eski olduğuna dair stderr’e uyarı yok</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>bu yardımı göster ve çık</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>sürümü göster ve çık</translation>
    </message>
    <message>
        <source>Exit status: 0 when done, 1 when the operation failed, 2 for a bad command line.</source>
        <translation>Çıkış durumu: tamamlandığında 0, işlem başarısız olduğunda 1, hatalı komut satırında 2.</translation>
    </message>
    <message>
        <source>%@ takes no value</source>
        <translation>%@ değer almaz</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>%@ bir değer gerektirir</translation>
    </message>
    <message>
        <source>unknown option: %@</source>
        <translation>bilinmeyen seçenek: %@</translation>
    </message>
    <message>
        <source>%1 takes no arguments: %2</source>
        <translation>%1 argüman almaz: %2</translation>
    </message>
    <message>
        <source>no command given (see cambio-cli --help)</source>
        <translation>komut verilmedi (bkz. cambio-cli --help)</translation>
    </message>
    <message>
        <source>%1 takes no option %2</source>
        <translation>%1, %2 seçeneğini almaz</translation>
    </message>
    <message>
        <source>unknown command: %@ (see cambio-cli --help)</source>
        <translation>bilinmeyen komut: %@ (bkz. cambio-cli --help)</translation>
    </message>
    <message>
        <source>not an amount: %@</source>
        <translation>tutar değil: %@</translation>
    </message>
    <message>
        <source>convert needs an amount and a currency: %@</source>
        <translation>convert bir tutar ve bir para birimi gerektirir: %@</translation>
    </message>
    <message>
        <source>query needs a text: %@</source>
        <translation>query bir metin gerektirir: %@</translation>
    </message>
    <message>
        <source>not a conversion: %@</source>
        <translation>dönüşüm değil: %@</translation>
    </message>
    <message>
        <source>no usable rate for %@ in the rates in force</source>
        <translation>geçerli kurlarda %@ için kullanılabilir kur yok</translation>
    </message>
    <message>
        <source>amount too large to convert into %@</source>
        <translation>tutar %@ birimine dönüştürülemeyecek kadar büyük</translation>
    </message>
    <message>
        <source>summary needs an amount: %@</source>
        <translation>summary bir tutar gerektirir: %@</translation>
    </message>
    <message>
        <source>no main currency is in force; give FROM or fix one with: %@</source>
        <translation>geçerli bir ana para birimi yok; FROM verin ya da şununla birini sabitleyin: %@</translation>
    </message>
    <message>
        <source>currencies takes no currency: %@</source>
        <translation>currencies para birimi almaz: %@</translation>
    </message>
    <message>
        <source>visible takes one of: %@</source>
        <translation>visible şunlardan birini alır: %@</translation>
    </message>
    <message>
        <source>main takes one currency or --auto: %@</source>
        <translation>main bir para birimi ya da --auto alır: %@</translation>
    </message>
    <message>
        <source>update takes no arguments</source>
        <translation>update argüman almaz</translation>
    </message>
    <message>
        <source>the rates were not updated</source>
        <translation>kurlar güncellenmedi</translation>
    </message>
    <message>
        <source>no rates: neither the rates file nor the program's own copy can be read</source>
        <translation>kur yok: ne kur dosyası ne de programın kendi kopyası okunabiliyor</translation>
    </message>
    <message>
        <source>the rates file's entry for %@ is unusable; the program's own rates are shown</source>
        <translation>kur dosyasının %@ kaydı kullanılamaz; programın kendi kurları gösteriliyor</translation>
    </message>
    <message>
        <source>the rates file's entry for %@ is unusable and left out</source>
        <translation>kur dosyasının %@ kaydı kullanılamaz ve atlandı</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>çıktı yazılamıyor</translation>
    </message>
    <message>
        <source>cannot write the output: %@</source>
        <translation>çıktı yazılamıyor: %@</translation>
    </message>
    <message>
        <source>no locale given</source>
        <translation>yerel ayar verilmedi</translation>
    </message>
    <message>
        <source>unknown locale: %@</source>
        <translation>bilinmeyen yerel ayar: %@</translation>
    </message>
    <message>
        <source>no decimal numbering system: %@</source>
        <translation>ondalık sayı sistemi değil: %@</translation>
    </message>
    <message>
        <source>locale keyword not supported: %@ (numbers and currency are)</source>
        <translation>yerel ayar anahtar sözcüğü desteklenmiyor: %@ (numbers ve currency destekleniyor)</translation>
    </message>
    <message>
        <source>Rates are %1 old: %2</source>
        <translation>Kurlar %1 önceye ait: %2</translation>
    </message>
    <message>
        <source>Rates are %@ old: the rates server has no newer rates</source>
        <translation>Kurlar %@ önceye ait: kur sunucusunda daha yeni kurlar yok</translation>
    </message>
    <message>
        <source>Serves exchange rates to Cambio at %1, gathered from the European Central Bank and the community currency API, and each source's state at %2.</source>
        <translation>Cambio’ya %1 adresinde Avrupa Merkez Bankası’ndan ve topluluk döviz API’sinden toplanan döviz kurlarını, %2 adresinde de her kaynağın durumunu sunar.</translation>
    </message>
    <message>
        <source>Every option but --once may also be set in %@, one “name = value” line each; the command line wins.</source>
        <translation>--once dışındaki her seçenek %@ içinde de her biri bir “name = value” satırı olarak ayarlanabilir; komut satırı önceliklidir.</translation>
    </message>
    <message>
        <source>where to listen (default %1; %2 for IPv6)</source>
        <translation>dinlenecek adres (varsayılan %1; IPv6 için %2)</translation>
    </message>
    <message>
        <source>the central bank's daily reference rates (XML); %@ turns them off</source>
        <translation>merkez bankasının günlük referans kurları (XML); %@ bunları kapatır</translation>
    </message>
    <message>
        <source>the currency API's dollar table (JSON); repeat for fallbacks; %@ turns it off</source>
        <translation>döviz API’sinin dolar tablosu (JSON); yedek adresler için yineleyin; %@ bunu kapatır</translation>
    </message>
    <message>
        <source>the table for currencies no live source has: a rates document or a JSON answer (default: the converter's own seed)</source>
        <translation>hiçbir canlı kaynağın sunmadığı para birimleri için tablo: bir kur belgesi ya da bir JSON yanıtı (varsayılan: dönüştürücünün kendi başlangıç tablosu)</translation>
    </message>
    <message>
        <source>where the last good table is kept (default %@)</source>
        <translation>son geçerli tablonun saklandığı yer (varsayılan %@)</translation>
    </message>
    <message>
        <source>how old the newest rates may be for the table to count as current (default %1; at most %2, ten years)</source>
        <translation>tablonun güncel sayılması için en yeni kurların en fazla ne kadar eski olabileceği (varsayılan %1; en çok %2, on yıl)</translation>
    </message>
    <message>
        <source>exit after that long without a request, for socket activation (default 0: never; at most %@, about 24 days)</source>
        <translation>soket etkinleştirmesi için, bu kadar süre istek gelmezse çık (varsayılan 0: asla; en çok %@, yaklaşık 24 gün)</translation>
    </message>
    <message>
        <source>fetch once, write the table to FILE as JSON and exit; exit status 1 when no live source answered</source>
        <translation>bir kez al, tabloyu JSON olarak FILE dosyasına yaz ve çık; hiçbir canlı kaynak yanıt vermediyse çıkış durumu 1</translation>
    </message>
    <message>
        <source>not a setting: %@</source>
        <translation>ayar değil: %@</translation>
    </message>
    <message>
        <source>%1 needs an http or https URL: %2</source>
        <translation>%1 bir http ya da https URL’si gerektirir: %2</translation>
    </message>
    <message>
        <source>%1 needs a whole number of seconds from %2 to %3: %4</source>
        <translation>%1, %2 ile %3 arasında tam sayı olarak saniye gerektirir: %4</translation>
    </message>
    <message>
        <source>unexpected argument: %@</source>
        <translation>beklenmeyen argüman: %@</translation>
    </message>
    <message>
        <source>%1 needs %2, like %3: %4</source>
        <translation>%1, %2 gerektirir; örneğin %3: %4</translation>
    </message>
    <message>
        <source>%@ needs a file</source>
        <translation>%@ bir dosya gerektirir</translation>
    </message>
    <message>
        <source>%@ (see cambio-ratesd --help)</source>
        <translation>%@ (bkz. cambio-ratesd --help)</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Geçmiş</translation>
    </message>
    <message>
        <source>1 &amp;Month</source>
        <translation>1 &amp;ay</translation>
    </message>
    <message>
        <source>&amp;3 Months</source>
        <translation>&amp;3 ay</translation>
    </message>
    <message>
        <source>1 &amp;Year</source>
        <translation>1 &amp;yıl</translation>
    </message>
    <message>
        <source>&amp;5 Years</source>
        <translation>&amp;5 yıl</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Tümü</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation>İndiriliyor…</translation>
    </message>
    <message>
        <source>The download failed: %@. Shown are the rates kept on this computer.</source>
        <translation>İndirme başarısız oldu: %@. Bu bilgisayarda saklanan kurlar gösteriliyor.</translation>
    </message>
    <message>
        <source>No rates are kept for this range.</source>
        <translation>Bu dönem için saklanan kur yok.</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <translation>%2 başına %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>over one month</source>
        <translation>son bir ay</translation>
    </message>
    <message>
        <source>over three months</source>
        <translation>son üç ay</translation>
    </message>
    <message>
        <source>over one year</source>
        <translation>son bir yıl</translation>
    </message>
    <message>
        <source>over five years</source>
        <translation>son beş yıl</translation>
    </message>
    <message>
        <source>since %@</source>
        <translation>%@ tarihinden beri</translation>
    </message>
    <message>
        <source>%1: no rates are kept.</source>
        <translation>%1: saklanan kur yok.</translation>
    </message>
    <message>
        <source>%1: only %2, on %3.</source>
        <translation>%1: yalnızca %2, %3.</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, low %4 on %5, high %6 on %7.</source>
        <translation>%1: %2 değerinden %3 değerine, en düşük %4 (%5), en yüksek %6 (%7).</translation>
    </message>
    <message>
        <source>No rates before %@.</source>
        <translation>%@ öncesine ait kur yok.</translation>
    </message>
    <message>
        <source>No rates after %@.</source>
        <translation>%@ sonrasına ait kur yok.</translation>
    </message>
    <message>
        <source>No rates from %1 to %2.</source>
        <translation>%1 ile %2 arasında kur yok.</translation>
    </message>
    <message>
        <source>Change: %1 (%2)</source>
        <translation>Değişim: %1 (%2)</translation>
    </message>
    <message>
        <source>Low: %1 on %2</source>
        <translation>En düşük: %1 (%2)</translation>
    </message>
    <message>
        <source>High: %1 on %2</source>
        <translation>En yüksek: %1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the rate history is kept in memory only, %@ cannot be used</source>
        <translation>kur geçmişi yalnızca bellekte tutuluyor, %@ kullanılamıyor</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>normal bir dosya değil</translation>
    </message>
    <message>
        <source>it holds the tables of another program</source>
        <translation>başka bir programın tablolarını içeriyor</translation>
    </message>
    <message>
        <source>its schema is of version %@</source>
        <translation>şeması %@ sürümünde</translation>
    </message>
    <message>
        <source>the rate history is begun anew, the old file is kept as %@</source>
        <translation>kur geçmişi yeniden başlatıldı, eski dosya %@ olarak saklandı</translation>
    </message>
    <message>
        <source>the rates could not be kept</source>
        <translation>kurlar saklanamadı</translation>
    </message>
    <message>
        <source>the answer holds no history of the currencies asked for</source>
        <translation>yanıt, istenen para birimlerinin geçmişini içermiyor</translation>
    </message>
    <message>
        <source>cannot download the rate history from %@</source>
        <translation>kur geçmişi %@ adresinden indirilemiyor</translation>
    </message>
    <message>
        <source>%1 per %2 from %3 to %4: %5 to %6, low %7 on %8, high %9 on %10, change %11 (%12)</source>
        <translation>%3 – %4 arası %2 başına %1: %5 → %6, en düşük %7 (%8), en yüksek %9 (%10), değişim %11 (%12)</translation>
    </message>
    <message>
        <source>showing the rates kept on this computer</source>
        <translation>bu bilgisayarda saklanan kurlar gösteriliyor</translation>
    </message>
    <message>
        <source>how many AGAINST (the main currency unless given) one CODE was worth each day, then the low, the high and the change; the last 30 days unless told, at most 10 years; dates as YYYY-MM-DD; --csv for spreadsheets</source>
        <translation>bir CODE'un her gün kaç AGAINST (belirtilmezse ana para birimi) ettiği, ardından en düşük, en yüksek ve değişim; belirtilmezse son 30 gün, en çok 10 yıl; tarihler YYYY-AA-GG biçiminde; hesap tabloları için --csv</translation>
    </message>
    <message>
        <source>the answer is not what was asked for</source>
        <translation>yanıt istenen şey değil</translation>
    </message>
    <message>
        <source>the central bank's full history (XML), taken into the history once; %@ turns that off</source>
        <translation>merkez bankasının tüm geçmişi (XML), geçmişe bir kez alınır; %@ bunu kapatır</translation>
    </message>
    <message>
        <source>history needs a currency: %@</source>
        <translation>history bir para birimi gerektirir: %@</translation>
    </message>
    <message>
        <source>history needs two different currencies: %@</source>
        <translation>history iki farklı para birimi gerektirir: %@</translation>
    </message>
    <message>
        <source>--days cannot go with --from or --to</source>
        <translation>--days, --from veya --to ile birlikte kullanılamaz</translation>
    </message>
    <message>
        <source>--days needs a number of days: %@</source>
        <translation>--days bir gün sayısı gerektirir: %@</translation>
    </message>
    <message>
        <source>not a date (YYYY-MM-DD): %@</source>
        <translation>tarih değil (YYYY-MM-DD): %@</translation>
    </message>
    <message>
        <source>--to needs --from</source>
        <translation>--to, --from gerektirir</translation>
    </message>
    <message>
        <source>the first day comes after the last: %1 to %2</source>
        <translation>ilk gün sondan sonra geliyor: %1 - %2</translation>
    </message>
    <message>
        <source>more than %1 years at once: %2 to %3</source>
        <translation>tek seferde %1 yıldan fazla: %2 - %3</translation>
    </message>
    <message>
        <source>no rates of %1 against %2 from %3 to %4</source>
        <translation>%3 - %4 arasında %1/%2 kuru yok</translation>
    </message>
</context>
</TS>
